#pragma once

namespace vestra {

// The caption of the main window and of every message box.
inline constexpr const char* kAppTitle = "VESTRAﾃﾞｰﾀ処理ｿﾌﾄ";

inline constexpr int kVersionMajor = 2;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 0;
inline constexpr const char* kProductName = "VESTRAﾃﾞｰﾀ処理ｿﾌﾄ";
inline constexpr const char* kModelDesignation = "VESTRA";
inline constexpr const char* kComments = "VESTRA 放射温度計用データ処理ソフト";
inline constexpr const char* kCopyright = "Copyright (C) MORVA";

} // namespace vestra
