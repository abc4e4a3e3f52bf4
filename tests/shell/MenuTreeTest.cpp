#include "framework/core/menus/MenuCommands.h"
#include "shell/Menu.h"

#include <gtest/gtest.h>
#include <set>

namespace {

using framework::MenuItem;

std::vector<std::string> NamesOf(const std::vector<std::shared_ptr<MenuItem>>& items) {
    std::vector<std::string> names;
    for (const auto& item : items) {
        names.push_back(item->Name());
    }
    return names;
}

// Every item below the bar, menus first and then their items, in tree order.
std::vector<std::shared_ptr<MenuItem>> AllItems(const MenuItem& bar) {
    std::vector<std::shared_ptr<MenuItem>> items;
    for (const auto& menu : bar.Children()) {
        items.push_back(menu);
        items.insert(items.end(), menu->Children().begin(), menu->Children().end());
    }
    return items;
}

TEST(MenuTreeTest, FiveTopLevelMenusHoldTwentyItemsInOrder) {
    const auto bar = Menu();
    std::vector<std::string> captions;
    std::vector<std::size_t> sizes;
    for (const auto& menu : bar->Children()) {
        captions.push_back(menu->Value());
        sizes.push_back(menu->Children().size());
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"", "File", "Edit", "Window", ""}));
    EXPECT_EQ(sizes, (std::vector<std::size_t>{0, 2, 7, 6, 0}));
    EXPECT_EQ(NamesOf(bar->Children()[3]->Children()),
              (std::vector<std::string>{"ControlMenuItem", "DescriptionMenuItem", "AboutMenuItem",
                                        "UntitledMenu6", "AboutWYB", "UntitledMenu5"}));

    const auto items = AllItems(*bar);
    ASSERT_EQ(items.size(), 20u);
    std::set<std::string> names;
    for (const auto& item : items) {
        names.insert(item->Name());
        EXPECT_TRUE(item->Visible()) << item->Name();
        EXPECT_EQ(item->AutoEnabled(), item->Name() == "FileQuit") << item->Name();
    }
    EXPECT_EQ(names.size(), 20u);
}

TEST(MenuTreeTest, ItemsAreFoundByNameNotByCaption) {
    const auto bar = Menu();
    const auto edit = bar->Child("UntitledMenu0");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->Value(), "Edit");
    EXPECT_EQ(bar->Child("Edit"), nullptr);
    EXPECT_EQ(bar->Child("EditCut"), nullptr);
    EXPECT_EQ(NamesOf(edit->Children()),
              (std::vector<std::string>{"EditUndo", "UntitledMenu1", "EditCut", "EditCopy",
                                        "EditPaste", "EditClear", "UntitledMenu7"}));

    const auto about = bar->Lookup("AboutMenuItem");
    const auto aboutWyb = bar->Lookup("AboutWYB");
    ASSERT_NE(about, nullptr);
    ASSERT_NE(aboutWyb, nullptr);
    EXPECT_EQ(about->Value(), "About Quorvane");
    EXPECT_EQ(aboutWyb->Value(), "About Quorvane");
    EXPECT_NE(about, aboutWyb);
    EXPECT_EQ(std::dynamic_pointer_cast<framework::AppleMenuItem>(about), nullptr);
    EXPECT_NE(std::dynamic_pointer_cast<framework::AppleMenuItem>(aboutWyb), nullptr);
    EXPECT_EQ(about->Parent()->Name(), "WindowMenu");
}

TEST(MenuTreeTest, SecondCallReturnsTheSameBarWithoutBuildingAgain) {
    const auto first = Menu();
    const auto quit = first->Lookup("FileQuit");
    const auto second = Menu();
    EXPECT_EQ(second, first);
    EXPECT_EQ(Menu::implicitInstance, first);
    EXPECT_EQ(second->Children().size(), 5u);
    EXPECT_EQ(second->Lookup("FileQuit"), quit);
}

} // namespace
