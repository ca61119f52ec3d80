// Full paths of every skin picture, built once at start-up from the program directory
// ("<program dir>Skin/<file>"). A missing file only leaves its picture empty.
#pragma once

#include <string>

namespace lumicord {

struct CSkinPaths {
    std::string mainBkPng;  // main_bk.png: main window with the adapter selection page
    std::string mainBkJpg;  // main_bk.jpg: main window with the devices page
    std::string mainBk3Jpg; // main_bk3.jpg: main window with customization or anti-theft

    std::string btnCloseNormal, btnCloseOver, btnCloseDown, btnCloseNormal2;
    std::string btnMinNormal, btnMinOver, btnMinDown;
    std::string btnChildClose;  // close button of pages and dialogs with their own
    std::string btnChildClose2; // close button of the note box

    std::string applyBtnNormal, applyBtnOver, applyBtnDown, applyBtnDisable;
    std::string cancelBtnNormal, cancelBtnOver, cancelBtnDown;
    std::string scanBtnNormal, scanBtnOver, scanBtnDown, scanBtnDisable;

    std::string brimlaLogo; // brimla_logo.bmp
    std::string waitSearch; // wait_search.gif
    std::string comboxDown; // combox_down.png

    std::string protectionBtnNormal, protectionBtnOver, protectionBtnDown, protectionBtnDisable;
    std::string changeBtnNormal;

    std::string select, unselect, partSelect; // check-box images of the devices grid
    std::string success, error, operating;    // status images of the devices grid

    std::string chooseBtnNormal, btnIniFile, btnPicFile;
    std::string btnSwitchOn, btnSwitchOff;
    std::string btnTemplate;
};

// Every skin path, formed from the program directory (which ends in '/').
CSkinPaths BuildSkinPaths(const std::string& programDirectory);

} // namespace lumicord
