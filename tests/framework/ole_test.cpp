#include "framework/ole.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/clipboard.h"

namespace vl {
namespace {

class OleTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(session_.Ok()); }
    OleSession session_;
};

TEST_F(OleTest, FormatsAreRenderedOnlyWhenATargetAsksForThem) {
    const CLIPFORMAT given = static_cast<CLIPFORMAT>(RegisteredFormat("VistaloomOleGiven1.0"));
    const CLIPFORMAT refused = static_cast<CLIPFORMAT>(RegisteredFormat("VistaloomOleRefused1.0"));
    const CLIPFORMAT other = static_cast<CLIPFORMAT>(RegisteredFormat("VistaloomOleOther1.0"));
    std::vector<CLIPFORMAT> asked;
    ComPtr<IDataObject> data = MakeDataObject(
        {given, refused}, [&](CLIPFORMAT format) -> std::optional<std::vector<std::uint8_t>> {
            asked.push_back(format);
            if (format != given)
                return std::nullopt;
            return std::vector<std::uint8_t>{7, 8, 9};
        });
    EXPECT_TRUE(OffersFormat(data.Get(), given));
    EXPECT_TRUE(OffersFormat(data.Get(), refused));
    EXPECT_FALSE(OffersFormat(data.Get(), other));
    EXPECT_TRUE(asked.empty()) << "asking what is offered renders nothing";

    const auto bytes = GetDataBytes(data.Get(), given);
    ASSERT_TRUE(bytes.has_value());
    ASSERT_GE(bytes->size(), 3u);
    EXPECT_EQ((std::vector<std::uint8_t>(bytes->begin(), bytes->begin() + 3)),
              (std::vector<std::uint8_t>{7, 8, 9}));
    EXPECT_FALSE(GetDataBytes(data.Get(), refused).has_value());
    EXPECT_FALSE(GetDataBytes(data.Get(), other).has_value());
    EXPECT_EQ(asked, (std::vector<CLIPFORMAT>{given, refused}));

    ComPtr<IEnumFORMATETC> formats;
    ASSERT_EQ(data->EnumFormatEtc(DATADIR_GET, formats.Receive()), S_OK);
    FORMATETC listed[4] = {};
    ULONG count = 0;
    formats->Next(4, listed, &count);
    ASSERT_EQ(count, 2u);
    EXPECT_EQ(listed[0].cfFormat, given);
    EXPECT_EQ(listed[1].cfFormat, refused);
    EXPECT_EQ(listed[0].tymed, static_cast<DWORD>(TYMED_HGLOBAL));
}

TEST_F(OleTest, TheSourceDropsOnReleaseCancelsOnEscAndShowsItsOwnCursors) {
    HCURSOR own = LoadCursor(nullptr, IDC_CROSS);
    ComPtr<IDropSource> source =
        MakeDropSource([own](DWORD effect) { return effect == DROPEFFECT_COPY ? own : nullptr; });
    EXPECT_EQ(source->QueryContinueDrag(FALSE, MK_LBUTTON), S_OK);
    EXPECT_EQ(source->QueryContinueDrag(FALSE, MK_CONTROL), DRAGDROP_S_DROP);
    EXPECT_EQ(source->QueryContinueDrag(TRUE, MK_LBUTTON), DRAGDROP_S_CANCEL);
    EXPECT_EQ(source->GiveFeedback(DROPEFFECT_COPY), S_OK);
    EXPECT_EQ(GetCursor(), own);
    EXPECT_EQ(source->GiveFeedback(DROPEFFECT_NONE), DRAGDROP_S_USEDEFAULTCURSORS);
}

class RecordingHandler final : public IDropHandler {
  public:
    DWORD OnDragEnter(IDataObject* data, DWORD keys, POINT point, DWORD allowed) override {
        steps.push_back("enter");
        entered = data;
        lastKeys = keys;
        lastPoint = point;
        lastAllowed = allowed;
        return DROPEFFECT_MOVE;
    }
    DWORD OnDragOver(DWORD, POINT point, DWORD) override {
        steps.push_back("over");
        lastPoint = point;
        return DROPEFFECT_LINK;
    }
    void OnDragLeave() override { steps.push_back("leave"); }
    DWORD OnDrop(IDataObject*, DWORD, POINT point, DWORD) override {
        steps.push_back("drop");
        lastPoint = point;
        return DROPEFFECT_COPY;
    }
    bool OnDragScroll(bool isVertical, int towards, POINT) override {
        steps.push_back("scroll");
        vertical = isVertical;
        direction = towards;
        return scrolls;
    }
    std::vector<std::string> steps;
    IDataObject* entered = nullptr;
    DWORD lastKeys = 0, lastAllowed = 0;
    POINT lastPoint{};
    bool vertical = false, scrolls = true;
    int direction = -1;
};

TEST_F(OleTest, TheTargetForwardsEveryStepInClientCoordinates) {
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 100, 50, 200, 120,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    RecordingHandler handler;
    ComPtr<IDropTarget> target = MakeDropTarget(window, handler, 10);
    ComPtr<IDataObject> data = MakeDataObject({}, nullptr);
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    ASSERT_EQ(target->DragEnter(data.Get(), MK_CONTROL, {origin.x + 50, origin.y + 60}, &effect),
              S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_MOVE));
    EXPECT_EQ(handler.entered, data.Get());
    EXPECT_EQ(handler.lastKeys, static_cast<DWORD>(MK_CONTROL));
    EXPECT_EQ(handler.lastAllowed, static_cast<DWORD>(DROPEFFECT_COPY | DROPEFFECT_MOVE));
    EXPECT_EQ(handler.lastPoint.x, 50);
    EXPECT_EQ(handler.lastPoint.y, 60);

    effect = DROPEFFECT_MOVE;
    target->DragOver(0, {origin.x + 50, origin.y + 60}, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_LINK)) << "the middle scrolls nothing";
    target->DragOver(0, {origin.x + 50, origin.y + 115}, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_LINK | DROPEFFECT_SCROLL));
    EXPECT_TRUE(handler.vertical);
    EXPECT_EQ(handler.direction, SB_LINEDOWN);
    handler.scrolls = false;
    target->DragOver(0, {origin.x + 2, origin.y + 60}, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_LINK)) << "a list that cannot scroll";
    EXPECT_FALSE(handler.vertical);
    EXPECT_EQ(handler.direction, SB_LINELEFT);

    target->DragLeave();
    target->Drop(data.Get(), 0, {origin.x + 7, origin.y + 30}, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(handler.lastPoint.x, 7);
    EXPECT_EQ(handler.steps, (std::vector<std::string>{"enter", "over", "scroll", "over", "scroll",
                                                       "over", "leave", "drop"}));
    DestroyWindow(window);
}

TEST(OleScrollEdges, EachEdgeAsksForItsDirectionAndTheMiddleForNone) {
    const RECT client{0, 0, 200, 100};
    const struct {
        POINT point;
        bool scrolls, vertical;
        int direction;
    } cases[] = {{{100, 3}, true, true, SB_LINEUP},   {{100, 95}, true, true, SB_LINEDOWN},
                 {{3, 50}, true, false, SB_LINELEFT}, {{195, 50}, true, false, SB_LINERIGHT},
                 {{100, 50}, false, false, 0},        {{100, 100}, false, false, 0},
                 {{-1, 50}, false, false, 0}};
    for (const auto& c : cases) {
        bool vertical = false;
        int direction = 0;
        EXPECT_EQ(ScrollDirectionAt(client, c.point, 10, vertical, direction), c.scrolls)
            << c.point.x << "," << c.point.y;
        if (c.scrolls) {
            EXPECT_EQ(vertical, c.vertical);
            EXPECT_EQ(direction, c.direction);
        }
    }
}

}  // namespace
}  // namespace vl
