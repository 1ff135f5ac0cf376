#pragma once
// Who makes the terminal and what it is called: captions, the loading window
// and the status bar show these.
namespace pos {

struct MakerInfo {
    const char* webAddress;
    const char* hotline;
    const char* fullName;
    const char* shortName;
    const char* shortestName;  // prefix of every window caption
    const char* version;
};

inline constexpr MakerInfo kMaker = {
    "www.qingchuan-soft.cn", "400-860-5730", "晴川零售软件有限公司", "晴川软件", "晴川", "V1.0"};

inline constexpr const char* kProductTitle = "药店收银终端";

}  // namespace pos
