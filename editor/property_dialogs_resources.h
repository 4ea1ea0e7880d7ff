// Resource ids of the property dialogs' shared parts (the description dialog, the Comment
// button) and of the Wait, Until, Comment, Multimedia, Play, Play Settings and Stop dialogs.
#pragma once

// Shared by every property dialog.
#define IDD_PD_DESCRIPTION 132
#define IDC_PD_DESCRIPTION_TEXT 1000
#define IDC_PD_COMMENT 1085

#define IDD_PD_WAIT 136
#define IDC_PD_DURATION 1019
#define IDC_PD_DURATION_SPIN 1094
#define IDC_PD_RANDOM 1068

// Until, and the count of Play Settings.
#define IDD_PD_UNTIL 142
#define IDC_PD_REPEAT_COUNT 1034
#define IDC_PD_REPEAT_SPIN 1052
#define IDC_PD_INFINITE 1070

#define IDD_PD_COMMENT_ENTRY 237
#define IDC_PD_COMMENT_TEXT 1145

#define IDD_PD_MULTIMEDIA 231
#define IDC_PD_MEDIA_NAME 1140
#define IDC_PD_MEDIA_CHOOSE 1130
#define IDC_PD_TEST 1141
#define IDC_PD_MEDIA_ICON 1144

// Play and Stop.
#define IDD_PD_PLAY 236
#define IDD_PD_STOP 238
#define IDC_PD_MEDIA_LIST 1130
#define IDC_PD_MEDIA_LABEL 1400
#define IDC_PD_SETTINGS 1132

#define IDD_PD_PLAY_SETTINGS 235
#define IDC_PD_WAIT_PLAYS 1143
#define IDC_PD_NO_WAIT 1162
#define IDC_PD_POSITION_GROUP 1401
#define IDC_PD_VIDEO_X_LABEL 1402
#define IDC_PD_VIDEO_X 1146
#define IDC_PD_VIDEO_Y_LABEL 1403
#define IDC_PD_VIDEO_Y 1147
#define IDC_PD_TIMES_LABEL 1404
#define IDC_PD_REPEAT_LABEL 1405
