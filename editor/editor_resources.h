// Resource ids of the builder's views: the icon strip the palette and the scene list share, the
// drag cursors, their context menus, and the palette's texts. Plain #defines: the resource
// compiler reads this file.
#pragma once

// 16 x 16 icons on the mask colour RGB(0,128,128): the closed and the open folder, then kind k at
// k + 2.
#define IDB_KIND_ICONS 190

// The drag cursors, 32 x 32 with the hot spot at the arrow's tip: moving one command and several,
// copying one and several, linking.
#define IDC_DRAG_MOVE 197
#define IDC_DRAG_MOVE_MANY 205
#define IDC_DRAG_COPY 105
#define IDC_DRAG_COPY_MANY 203
#define IDC_DRAG_LINK 204

// Two popups: "Left" (position 0) for the palette, "Right" (position 1) for the scene list.
#define IDR_VIEW_MENUS 243

// "Commands", then the kinds' names: IDS_KIND_FIRST + kind.
#define IDS_COMMANDS 33000
#define IDS_KIND_FIRST 33001
