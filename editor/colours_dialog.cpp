#include "editor/colours_dialog.h"

#include <commctrl.h>

#include "editor/action_dialogs_resources.h"
#include "editor/core/action_texts.h"
#include "editor/core/colour_sample.h"
#include "framework/handles.h"
#include "scene/kinds.h"

namespace vl {
namespace {

const char* const kMixings[] = {"No Mixing", "OR", "AND"};

COLORREF ToColorref(std::uint32_t colour) {
    return static_cast<COLORREF>(colour & 0x00FFFFFF);
}

void FillEllipse(HDC dc, const SampleRect& box, COLORREF colour) {
    BrushHandle brush(CreateSolidBrush(colour));
    const HGDIOBJ oldBrush = SelectObject(dc, brush.Get());
    const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    // With a null pen the ellipse covers one pixel less on the right and bottom.
    Ellipse(dc, box.left, box.top, box.right + 1, box.bottom + 1);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
}

}  // namespace

ColoursDialog::ColoursDialog(const PropertyContext& context, std::string kindName,
                             DescriptionParam* description)
    : PropertyDialog(IDD_ACT_COLOURS, context, std::move(kindName), description),
      subDialog_(description == nullptr) {
    if (subDialog_)
        SetSubtitle("Colours");
    Fields()
        .ComboIndex(IDC_ACT_MIXING, colour.mixing)
        .Check(IDC_ACT_BACKGROUND, background_)
        .Check(IDC_ACT_RANDOM_COLOUR, colour.random);
}

BOOL ColoursDialog::OnInitDialog() {
    // The combo must hold its rows before the fields are loaded into it.
    for (const char* mixing : kMixings)
        SendDlgItemMessageA(Handle(), IDC_ACT_MIXING, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(mixing));
    background_ = colour.background == 1 ? 1 : 0;
    if (colour.mixing < kNoMixing || colour.mixing > kMixAnd)
        colour.mixing = kNoMixing;
    const BOOL result = PropertyDialog::OnInitDialog();
    if (subDialog_)
        ShowWindow(Item(IDC_ACT_COMMENT), SW_HIDE);
    AddSampleTooltips();
    return result;
}

INT_PTR ColoursDialog::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DRAWITEM && wParam == IDC_ACT_SAMPLE) {
        DrawSample(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    }
    return PropertyDialog::OnMessage(msg, wParam, lParam);
}

bool ColoursDialog::OnCommand(int id, int notifyCode, HWND control) {
    switch (id) {
        case IDC_ACT_MIXING:
            if (notifyCode == CBN_SELCHANGE)
                InvalidateRect(Item(IDC_ACT_SAMPLE), nullptr, FALSE);
            return true;
        case IDC_ACT_COLOUR:
            if (notifyCode == BN_CLICKED && Context().chooser.PickColour(Handle(), colour.colour))
                InvalidateRect(Item(IDC_ACT_SAMPLE), nullptr, FALSE);
            return true;
        default:
            return PropertyDialog::OnCommand(id, notifyCode, control);
    }
}

void ColoursDialog::DrawSample(const DRAWITEMSTRUCT& item) const {
    const RECT& area = item.rcItem;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    // Drawn off-screen and copied in one go, so the circles never flicker.
    HDC dc = CreateCompatibleDC(item.hDC);
    BitmapHandle canvas(CreateCompatibleBitmap(item.hDC, width, height));
    const HGDIOBJ old = SelectObject(dc, canvas.Get());
    const RECT local{0, 0, width, height};
    FillRect(dc, &local, GetSysColorBrush(COLOR_BTNFACE));

    const LRESULT row = SendDlgItemMessageA(Handle(), IDC_ACT_MIXING, CB_GETCURSEL, 0, 0);
    const std::int32_t mixing = row == CB_ERR ? kNoMixing : static_cast<std::int32_t>(row);
    const ColourSampleLayout layout = LayoutColourSample(width, height);
    FillEllipse(dc, layout.testCircle, ToColorref(colour.secondColour));
    // The chosen circle alone, then the common part in the mixed colour on top of it.
    FillEllipse(dc, layout.chosenCircle, ToColorref(colour.colour));
    RegionHandle test(CreateEllipticRgn(layout.testCircle.left, layout.testCircle.top,
                                        layout.testCircle.right + 1, layout.testCircle.bottom + 1));
    RegionHandle chosen(CreateEllipticRgn(layout.chosenCircle.left, layout.chosenCircle.top,
                                          layout.chosenCircle.right + 1,
                                          layout.chosenCircle.bottom + 1));
    RegionHandle common(CreateRectRgn(0, 0, 0, 0));
    CombineRgn(common.Get(), test.Get(), chosen.Get(), RGN_AND);
    BrushHandle mixed(CreateSolidBrush(
        ToColorref(MixedSampleColour(colour.secondColour, colour.colour, mixing))));
    FillRgn(dc, common.Get(), mixed.Get());
    // Outlines keep the three parts apart when colours meet the face or each other.
    BrushHandle outline(CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW)));
    FrameRgn(dc, test.Get(), outline.Get(), 1, 1);
    FrameRgn(dc, chosen.Get(), outline.Get(), 1, 1);

    BitBlt(item.hDC, area.left, area.top, width, height, dc, 0, 0, SRCCOPY);
    SelectObject(dc, old);
    DeleteDC(dc);
}

void ColoursDialog::AddSampleTooltips() {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    // Owned by the dialog, which destroys it with itself.
    HWND tips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                Handle(), nullptr, nullptr, nullptr);
    if (!tips)
        return;
    HWND sample = Item(IDC_ACT_SAMPLE);
    RECT area;
    GetClientRect(sample, &area);
    const ColourSampleLayout layout = LayoutColourSample(area.right, area.bottom);
    struct Half {
        const SampleRect& rect;
        const char* text;
    };
    const Half halves[] = {{layout.leftHalf, msg::kTestingColour},
                           {layout.rightHalf, msg::kChosenColour}};
    UINT_PTR toolId = 0;
    for (const Half& half : halves) {
        TOOLINFOA tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = sample;
        tool.uId = toolId++;
        tool.rect = {half.rect.left, half.rect.top, half.rect.right, half.rect.bottom};
        tool.lpszText = const_cast<char*>(half.text);
        SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

bool EditCls(const PropertyContext& context, HWND owner, ClsEntry& entry) {
    DescriptionParam description;
    description.Assign(entry.description);
    ColoursDialog dialog(context, vl::KindName(kCls), &description);
    dialog.colour.Assign(entry.colour);
    if (dialog.Run(owner) != IDOK)
        return false;
    entry.colour.Assign(dialog.colour);
    entry.description.Assign(description);
    return true;
}

}  // namespace vl
