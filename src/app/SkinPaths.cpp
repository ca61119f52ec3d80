#include "app/SkinPaths.h"

#include <iterator>
#include <utility>

namespace lumicord {

CSkinPaths BuildSkinPaths(const std::string& programDirectory) {
    const std::string skin = programDirectory + "Skin/";
    CSkinPaths p;
    const std::pair<std::string*, const char*> files[] = {
        {&p.mainBkPng, "main_bk.png"},
        {&p.mainBkJpg, "main_bk.jpg"},
        {&p.mainBk3Jpg, "main_bk3.jpg"},
        {&p.btnCloseNormal, "btn_close_normal.png"},
        {&p.btnCloseOver, "btn_close_over.png"},
        {&p.btnCloseDown, "btn_close_down.png"},
        {&p.btnCloseNormal2, "btn_close_normal2.png"},
        {&p.btnMinNormal, "btn_min_normal.png"},
        {&p.btnMinOver, "btn_min_over.png"},
        {&p.btnMinDown, "btn_min_down.png"},
        {&p.btnChildClose, "btn_child_close.png"},
        {&p.btnChildClose2, "btn_child_close2.png"},
        {&p.applyBtnNormal, "apply_btn_normal.png"},
        {&p.applyBtnOver, "apply_btn_over.png"},
        {&p.applyBtnDown, "apply_btn_down.png"},
        {&p.applyBtnDisable, "apply_btn_disable.png"},
        {&p.cancelBtnNormal, "cancel_btn_normal.png"},
        {&p.cancelBtnOver, "cancel_btn_over.png"},
        {&p.cancelBtnDown, "cancel_btn_down.png"},
        {&p.scanBtnNormal, "scan_btn_normal.png"},
        {&p.scanBtnOver, "scan_btn_over.png"},
        {&p.scanBtnDown, "scan_btn_down.png"},
        {&p.scanBtnDisable, "scan_btn_disable.png"},
        {&p.brimlaLogo, "brimla_logo.bmp"},
        {&p.waitSearch, "wait_search.gif"},
        {&p.comboxDown, "combox_down.png"},
        {&p.protectionBtnNormal, "protection_btn_normal.png"},
        {&p.protectionBtnOver, "protection_btn_over.png"},
        {&p.protectionBtnDown, "protection_btn_down.png"},
        {&p.protectionBtnDisable, "protection_btn_disable.png"},
        {&p.changeBtnNormal, "change_btn_normal.png"},
        {&p.select, "select.bmp"},
        {&p.unselect, "unselect.bmp"},
        {&p.partSelect, "part_select.bmp"},
        {&p.success, "success.bmp"},
        {&p.error, "error.bmp"},
        {&p.operating, "operating.bmp"},
        {&p.chooseBtnNormal, "choose_btn_normal.png"},
        {&p.btnIniFile, "btn_ini_file.png"},
        {&p.btnPicFile, "btn_pic_file.png"},
        {&p.btnSwitchOn, "btn_switch_on.png"},
        {&p.btnSwitchOff, "btn_switch_off.png"},
        {&p.btnTemplate, "btn_template.png"},
    };
    // Every member of the record has its file here.
    static_assert(std::size(files) * sizeof(std::string) == sizeof(CSkinPaths));
    for (const auto& [member, file] : files)
        *member = skin + file;
    return p;
}

} // namespace lumicord
