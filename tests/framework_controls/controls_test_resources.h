// Commands of the control tests; each has a string with its prompt and tooltip.
#pragma once

#define IDC_TEST_NEW 40001
#define IDC_TEST_OPEN 40002
#define IDC_TEST_SAVE 40003
#define IDC_TEST_PROMPT_ONLY 40004
#define IDC_TEST_NO_STRING 40005
#define IDS_TEST_LONG 40010
