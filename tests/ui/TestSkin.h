// Skin paths into the committed skin folder, for tests that draw real windows.
#pragma once

#include <string>

#include "app/SkinPaths.h"

namespace lumicord::test {

inline CSkinPaths CommittedSkinPaths() {
    const std::string d = std::string(LUMICORD_SKIN_DIR) + "/";
    CSkinPaths s;
    s.mainBkPng = d + "main_bk.png";
    s.mainBkJpg = d + "main_bk.jpg";
    s.mainBk3Jpg = d + "main_bk3.jpg";
    s.btnCloseNormal = d + "btn_close_normal.png";
    s.btnCloseOver = d + "btn_close_over.png";
    s.btnCloseDown = d + "btn_close_down.png";
    s.btnCloseNormal2 = d + "btn_close_normal2.png";
    s.btnMinNormal = d + "btn_min_normal.png";
    s.btnMinOver = d + "btn_min_over.png";
    s.btnMinDown = d + "btn_min_down.png";
    s.btnChildClose2 = d + "btn_child_close2.png";
    s.applyBtnNormal = d + "apply_btn_normal.png";
    s.applyBtnOver = d + "apply_btn_over.png";
    s.applyBtnDown = d + "apply_btn_down.png";
    s.applyBtnDisable = d + "apply_btn_disable.png";
    s.cancelBtnNormal = d + "cancel_btn_normal.png";
    s.cancelBtnOver = d + "cancel_btn_over.png";
    s.cancelBtnDown = d + "cancel_btn_down.png";
    return s;
}

} // namespace lumicord::test
