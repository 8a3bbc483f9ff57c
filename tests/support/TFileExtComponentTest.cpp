#include "support/TFileExtComponent.h"

#include <gtest/gtest.h>

namespace kes {
namespace {

class TTextExtComponent : public TFileExtComponent {
public:
    using TFileExtComponent::TFileExtComponent;

protected:
    void InitFileExtList() override {
        FileExtList()->Add(".txt");
        FileExtList()->Add(".TXT");
        FileExtList()->Add(".dat");
    }
};

TEST(TFileExtComponent, DescendantsDefaultsAreSortedWithoutDuplicatesAnyCase) {
    TTextExtComponent component(nullptr);
    ASSERT_EQ(component.FileExtList()->Count(), 2);
    EXPECT_EQ(component.FileExtList()->Get(0), ".dat");
    EXPECT_TRUE(component.HasFileExt(".Txt"));
    EXPECT_TRUE(component.HasFileExt(".DAT"));
    EXPECT_FALSE(component.HasFileExt(".tx"));
    EXPECT_FALSE(component.HasFileExt(""));
}

TEST(TFileExtComponent, SetterCopiesTheGivenList) {
    TFileExtComponent component(nullptr);
    EXPECT_EQ(component.FileExtList()->Count(), 0);
    TStringList given;
    given.Add(".html");
    given.Add(".HTM");
    given.Add(".htm");
    component.SetFileExtList(&given);
    given.Clear();
    ASSERT_EQ(component.FileExtList()->Count(), 2);
    EXPECT_TRUE(component.HasFileExt(".HTML"));
    EXPECT_TRUE(component.HasFileExt(".htm"));
}

TEST(TFileExtComponent, OwnerFreesTheComponent) {
    auto* owner = new TComponent(nullptr);
    auto* component = new TTextExtComponent(owner);
    EXPECT_TRUE(component->HasFileExt(".txt"));
    EXPECT_EQ(owner->ComponentCount(), 1);
    delete owner; // frees the component and its list; the sanitizer watches for leaks
}

} // namespace
} // namespace kes
