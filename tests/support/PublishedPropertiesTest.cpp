#include "support/PublishedProperties.h"
#include "toolkit/core/TCollection.h"
#include "toolkit/core/TColor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kes {
namespace {

class TShade : public TPersistent {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; }
    void GetPropList(TPropList& list) const override {
        static const TPropInfo color =
            OrdinalProperty<&TShade::Color, &TShade::SetColor>("Color", tkInteger, "TColor");
        list.push_back(&color);
    }

private:
    TColor color_ = clBlack;
};

class TShadeItem : public TCollectionItem {
public:
    TShade* Shade() { return &shade_; }
    void GetPropList(TPropList& list) const override {
        static const TPropInfo shade = ObjectProperty<&TShadeItem::Shade>("Shade", "TShade");
        list.push_back(&shade);
    }

private:
    TShade shade_;
};

class TPalette : public TPersistent {
public:
    TPalette() : items_(NewItem<TShadeItem>) {}
    TShade* Text() { return &text_; }
    TCollection* Items() { return &items_; }
    TPalette* Self() { return this; }
    TPersistent* Missing() { return nullptr; }
    int Width() const { return width_; }
    void SetWidth(int width) { width_ = width; }
    void GetPropList(TPropList& list) const override {
        static const TPropInfo props[] = {
            OrdinalProperty<&TPalette::Width, &TPalette::SetWidth>("Width", tkInteger, "Integer"),
            ObjectProperty<&TPalette::Text>("Text", "TShade"),
            ObjectProperty<&TPalette::Missing>("Missing", "TPersistent"),
            ObjectProperty<&TPalette::Self>("Self", "TPalette"),
            ObjectProperty<&TPalette::Items>("Items", "TCollection"),
        };
        for (const TPropInfo& p : props)
            list.push_back(&p);
    }

private:
    TShade text_;
    TCollection items_;
    int width_ = 0;
};

struct Visit {
    TObject* instance;
    std::string name;
    TTypeKind kind;
};

void Record(void* data, TObject* instance, const TPropInfo& property, const TTypeInfo& type) {
    static_cast<std::vector<Visit>*>(data)->push_back({instance, property.name, type.kind});
}

TEST(PublishedProperties, WalkDescendsIntoObjectsAndCollectionItemsInListedOrder) {
    TPalette palette;
    auto* first = static_cast<TShadeItem*>(palette.Items()->Add());
    auto* second = static_cast<TShadeItem*>(palette.Items()->Add());
    std::vector<Visit> visits;
    ForEachPublishedProperty(&palette, tkProperties, Record, &visits);
    const std::vector<std::pair<TObject*, std::string>> expected = {
        {&palette, "Width"},        {&palette, "Text"},        {palette.Text(), "Color"},
        {&palette, "Missing"},      {&palette, "Self"},        {&palette, "Items"},
        {first, "Shade"},           {first->Shade(), "Color"}, {second, "Shade"},
        {second->Shade(), "Color"},
    };
    ASSERT_EQ(visits.size(), expected.size());
    for (size_t i = 0; i < visits.size(); ++i) {
        EXPECT_EQ(visits[i].instance, expected[i].first) << i;
        EXPECT_EQ(visits[i].name, expected[i].second) << i;
    }
}

TEST(PublishedProperties, KindsFilterTheCallsAndTheDescent) {
    TPalette palette;
    palette.Items()->Add();
    std::vector<Visit> visits;
    ForEachPublishedProperty(&palette, KindBit(tkInteger), Record, &visits);
    ASSERT_EQ(visits.size(), 1u) << "without tkClass no object property is entered";
    EXPECT_EQ(visits[0].name, "Width");

    visits.clear();
    ForEachPublishedProperty(&palette, KindBit(tkMethod), Record, &visits);
    EXPECT_TRUE(visits.empty());
}

// What the fountains do with the walk: set every colour of an object tree at once.
TEST(PublishedProperties, SettersReachEveryNestedColour) {
    TPalette palette;
    auto* item = static_cast<TShadeItem*>(palette.Items()->Add());
    ForEachPublishedProperty(
        &palette, tkProperties,
        [](void*, TObject* instance, const TPropInfo& property, const TTypeInfo& type) {
            if (type.kind == tkInteger && std::string(type.name) == "TColor")
                property.SetOrdinal(instance, clRed);
        },
        nullptr);
    EXPECT_EQ(palette.Text()->Color(), clRed);
    EXPECT_EQ(item->Shade()->Color(), clRed);
    EXPECT_EQ(palette.Width(), 0);
}

} // namespace
} // namespace kes
