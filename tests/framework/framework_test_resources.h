#pragma once

#define IDD_TEST_DIALOG 200
#define IDC_TEST_EDIT 1001
#define IDC_TEST_OTHER 1002
