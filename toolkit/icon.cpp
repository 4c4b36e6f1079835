#include "toolkit/icon.h"

namespace toolkit {

namespace {
SIZE IconSize(HICON icon) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return {0, 0};
    BITMAP bm{};
    GetObjectW(info.hbmMask, sizeof(bm), &bm);
    SIZE size{bm.bmWidth, info.hbmColor ? bm.bmHeight : bm.bmHeight / 2};
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return size;
}
} // namespace

int Icon::Width() const {
    return IconSize(handle_).cx;
}
int Icon::Height() const {
    return IconSize(handle_).cy;
}

} // namespace toolkit
