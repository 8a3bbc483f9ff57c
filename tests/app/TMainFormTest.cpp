#include "app/TMainForm.h"

#include <gtest/gtest.h>

namespace kes {
namespace {

TEST(TMainForm, ShowsItsCaption) {
    TMainForm form;
    form.show();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.windowTitle(), QString("Kestrelpad"));
}

} // namespace
} // namespace kes
