// Identifiers of MarkwellCS1's resources, shared by its resource script and its code.
#pragma once

#define IDD_ABOUT 16050
#define IDD_ERROR 16051
#define IDS_ERROR_LIST 16050  /* indexed list: code at odd indices, its sentence after it */
#define IDS_MENU_LIST 17000   /* indexed list: submenu text, first and second command */
#define IDI_PLUGIN 16100
#define IDC_PLUGIN 16101

#define IDC_ERROR_MESSAGE 2
#define IDC_ERROR_CODE 3
#define IDC_ERROR_FRAME 4
#define IDC_ABOUT_PICTURE 5
