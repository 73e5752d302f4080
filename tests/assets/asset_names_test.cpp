#include <gtest/gtest.h>

#include "platform/resources.h"

// Every built-in resource is found by name in any letter case.
TEST(BuiltInResources, TitleResourcesResolve) {
    const kvd::Resources resources;
    EXPECT_TRUE(resources.Has(kvd::ResourceKind::Picture, "Title2"));
    EXPECT_TRUE(resources.Has(kvd::ResourceKind::Sound, "xing"));
}
