#include "clip/input_box.h"

#include <vector>

namespace clip {
namespace {

// An in-memory dialog template: the dialog manager then gives Enter, Esc,
// Tab and the font scaling without a resource file.
class DialogTemplate {
  public:
    DialogTemplate(DWORD style, DWORD exStyle, short cx, short cy, const wchar_t* title,
                   WORD pointSize, const wchar_t* font) {
        Dword(style);
        Dword(exStyle);
        countAt_ = words_.size();
        Word(0);  // number of items, counted as they come
        Rect(0, 0, cx, cy);
        Word(0);  // no menu
        Word(0);  // the dialog class
        Text(title);
        Word(pointSize);
        Text(font);
    }

    void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD classAtom,
              const wchar_t* text) {
        if (words_.size() % 2) Word(0);  // items start on a DWORD boundary
        Dword(style | WS_CHILD | WS_VISIBLE);
        Dword(0);
        Rect(x, y, cx, cy);
        Word(id);
        Word(0xFFFF);
        Word(classAtom);
        Text(text);
        Word(0);  // no creation data
        ++words_[countAt_];
    }

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

  private:
    void Word(WORD w) { words_.push_back(w); }
    void Dword(DWORD d) {
        Word(LOWORD(d));
        Word(HIWORD(d));
    }
    void Rect(short x, short y, short cx, short cy) {
        for (short v : {x, y, cx, cy}) Word(static_cast<WORD>(v));
    }
    void Text(const wchar_t* s) {
        for (; *s; ++s) Word(static_cast<WORD>(*s));
        Word(0);
    }

    std::vector<WORD> words_;  // new[] alignment covers the DWORD the template needs
    size_t countAt_ = 0;
};

constexpr WORD kButton = 0x0080, kEdit = 0x0081, kStatic = 0x0082;

struct BoxState {
    const std::wstring* defaultText;
    std::wstring result;
};

void CentreOnScreen(HWND box) {
    RECT r{};
    GetWindowRect(box, &r);
    int w = r.right - r.left, h = r.bottom - r.top;
    int x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
    // Above every normal window: the program that asks has no visible window
    // of its own, so the box could otherwise open behind the user's work.
    SetWindowPos(box, HWND_TOPMOST, x, y, 0, 0, SWP_NOSIZE);
}

INT_PTR CALLBACK BoxProc(HWND box, UINT msg, WPARAM wp, LPARAM lp) {
    auto* state = reinterpret_cast<BoxState*>(GetWindowLongPtrW(box, DWLP_USER));
    switch (msg) {
        case WM_INITDIALOG: {
            SetWindowLongPtrW(box, DWLP_USER, lp);
            state = reinterpret_cast<BoxState*>(lp);
            HWND edit = GetDlgItem(box, kInputBoxEdit);
            SendMessageW(edit, EM_LIMITTEXT, 0, 0);  // no limit of our own
            SetWindowTextW(edit, state->defaultText->c_str());
            CentreOnScreen(box);
            SetForegroundWindow(box);
            SetFocus(edit);
            SendMessageW(edit, EM_SETSEL, 0, -1);
            return FALSE;  // the focus is set
        }
        case WM_COMMAND:
            if (LOWORD(wp) == IDOK) {
                HWND edit = GetDlgItem(box, kInputBoxEdit);
                std::wstring text(static_cast<size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
                text.resize(static_cast<size_t>(
                    GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
                state->result = std::move(text);
                EndDialog(box, IDOK);
                return TRUE;
            }
            if (LOWORD(wp) == IDCANCEL) {
                EndDialog(box, IDCANCEL);
                return TRUE;
            }
            break;
    }
    return FALSE;
}

}  // namespace

std::wstring InputBox(const InputBoxTexts& texts, const std::wstring& defaultText) {
    // Dialog units: the box grows with the system font and the screen's DPI.
    DialogTemplate t(
        WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_SETFOREGROUND, 0, 252,
        92, texts.Title.c_str(), 9, L"MS Shell Dlg");
    t.Item(SS_LEFT | SS_NOPREFIX, 7, 7, 178, 54, kInputBoxPrompt, kStatic, texts.Prompt.c_str());
    t.Item(BS_DEFPUSHBUTTON | WS_TABSTOP, 195, 7, 50, 14, IDOK, kButton, texts.OK.c_str());
    t.Item(BS_PUSHBUTTON | WS_TABSTOP, 195, 25, 50, 14, IDCANCEL, kButton, texts.Cancel.c_str());
    t.Item(ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 70, 238, 13, kInputBoxEdit, kEdit,
           L"");
    BoxState state{&defaultText, {}};
    INT_PTR r = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), t.Get(), nullptr, &BoxProc,
                                        reinterpret_cast<LPARAM>(&state));
    return r == IDOK ? state.result : std::wstring();
}

}  // namespace clip
