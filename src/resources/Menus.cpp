#include "resources/Menus.h"

#include "resources/CommandIds.h"

#include <stdexcept>

namespace {

MenuItem command(std::string text, int id)
{
    return {MenuItem::Kind::Command, std::move(text), id, {}};
}

MenuItem separator()
{
    return {MenuItem::Kind::Separator, {}, 0, {}};
}

MenuItem popup(std::string text, std::vector<MenuItem> items)
{
    return {MenuItem::Kind::Popup, std::move(text), 0, std::move(items)};
}

MenuItem helpPopup()
{
    return popup("&Help", {command("Help &Index", cmd::HelpIndex),
                           command("&Using Help", cmd::UsingHelp)});
}

std::vector<MenuResource> makeMenus()
{
    return {
        {"MENU_1",
         {popup("&Quiz", {command("&New..F3", cmd::New), command("&Open...F4", cmd::Open),
                          command("&Print List...F5", cmd::PrintList), separator(),
                          command("E&xit...Alt-X", cmd::Exit)}),
          popup("&List", {command("&Add...F6", cmd::Add), command("&Delete...F7", cmd::Delete),
                          command("&Change...F8", cmd::Change),
                          command("&Sort...F9", cmd::Sort)}),
          command("&Practice", cmd::Practice), helpPopup()}},
        {"MENU_2",
         {popup("&Practice", {command("Print &Results", cmd::PrintResults),
                              command("&Quit Practice...Home", cmd::QuitPractice),
                              command("E&xit Program Alt-x", cmd::Exit)}),
          helpPopup()}},
        // No mode shows this one; it is kept with the others.
        {"MENU_3",
         {popup("&Quiz",
                {command("&Return", cmd::Return), command("E&xit Program Alt-x", cmd::Exit)}),
          helpPopup()}},
        {"MENU_4",
         {command("&Print", cmd::PrintQuiz), command("&Don't Print", cmd::DontPrint),
          helpPopup()}},
    };
}

} // namespace

const MenuResource& menuResource(const std::string& name)
{
    static const std::vector<MenuResource> menus = makeMenus();
    for (const MenuResource& menu : menus)
        if (menu.name == name)
            return menu;
    throw std::out_of_range("no menu resource " + name);
}
