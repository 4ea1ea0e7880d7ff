// Resource ids of the Image object dialog.
#pragma once

#define IDD_IMG_OBJECT 138

#define IDC_IMG_BACKGROUND_COLOUR 1010
#define IDC_IMG_TRANSPARENT 1011
#define IDC_IMG_YOUR 1012
#define IDC_IMG_FONT_OR_IMAGE 1020
#define IDC_IMG_IS_TEXT 1021
#define IDC_IMG_TEXT 1022
#define IDC_IMG_NAME 1081
#define IDC_IMG_PREVIEW 1099
#define IDC_IMG_SIZE 1170
#define IDC_IMG_DESKTOP 1192
#define IDC_IMG_WALLPAPER 1304
// The comment button every property dialog has.
#define IDC_IMG_COMMENT 1085
