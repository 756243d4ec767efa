#include "rich_edit.h"

#include <richedit.h>

namespace rewardcfg::ui {

std::optional<RichEditLibrary> loadRichEdit(const RichEditLibraryNames& names) {
    if (ModuleHandle module{LoadLibraryW(names.version2)}) return RichEditLibrary{std::move(module), RICHEDIT_CLASSW};
    if (ModuleHandle module{LoadLibraryW(names.version1)}) return RichEditLibrary{std::move(module), L"RICHEDIT"};
    return std::nullopt;
}

void prepareRichText(HWND box, HFONT font) {
    SendMessageW(box, EM_SETTEXTMODE, TM_PLAINTEXT, 0);
    SendMessageW(box, EM_EXLIMITTEXT, 0, 0x7FFFFFFF);
    SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

std::wstring richText(HWND box) {
    GETTEXTLENGTHEX lengthQuery{GTL_USECRLF | GTL_PRECISE | GTL_NUMCHARS, 1200};
    const LRESULT length = SendMessageW(box, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&lengthQuery), 0);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GETTEXTEX query{};
    query.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    query.flags = GT_USECRLF;
    query.codepage = 1200;  // UTF-16
    const LRESULT copied = SendMessageW(box, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&query),
                                        reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

}  // namespace rewardcfg::ui
