#pragma once

namespace vestra {

// The caption of the main window and of every message box.
inline constexpr const char* kAppTitle = "VESTRAﾃﾞｰﾀ処理ｿﾌﾄ";

// The program's version record.
inline constexpr int kVersionMajor = 2;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 0;
// The version as the programs print it for --version.
inline constexpr const char* kVersionText = "2.0.0";
inline constexpr const char* kProductName = "VESTRAﾃﾞｰﾀ処理ｿﾌﾄ";
inline constexpr const char* kModelDesignation = "VESTRA";
// The build's date code, shown between stars in the version window.
inline constexpr const char* kComments = "080301";
inline constexpr const char* kCopyright = "Copyright (C) MORVA Co., Ltd. All rights reserved.";
inline constexpr const char* kComponentNotice = "Qt 6 (C) The Qt Company Ltd. (LGPL v3)";
inline constexpr const char* kDistributor = "販売元 MORVA株式会社";

} // namespace vestra
