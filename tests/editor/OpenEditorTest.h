#pragma once
// Tests of the built module's editor off screen: the module is loaded once per suite, and every
// test gets a fresh running instance with its editor open.
#include "OffscreenEditor.h"

#include <gtest/gtest.h>

#include <memory>

namespace velqa::test
{

class OpenEditorTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { module = OffscreenEditor::loadModule(); }
    static void TearDownTestSuite() { module.reset(); }

    void SetUp() override
    {
        ASSERT_TRUE(module) << VELQA_BUNDLE;
        editor = std::make_unique<OffscreenEditor>(*module);
        ASSERT_TRUE(editor->valid());
        ASSERT_TRUE(editor->open());
    }

    static inline std::unique_ptr<host::Module> module;
    std::unique_ptr<OffscreenEditor> editor;
};

} // namespace velqa::test
