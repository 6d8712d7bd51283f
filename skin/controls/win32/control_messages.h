// The standard messages every skinned control answers as its system counterpart does, so that programs
// and tests that speak to the stand-in system controls (and screen readers, through WM_GETOBJECT) keep
// working when a skinned control takes the stand-in's place. Each control keeps its dialog id, and sends
// its parent the same notifications (WM_COMMAND with BN_CLICKED, LBN_SELCHANGE, CBN_SELCHANGE; WM_HSCROLL
// and WM_VSCROLL with the track bar's and scroll bar's codes) with its own window as the sender.
//
//   every skinned control   WM_GETTEXT, WM_GETTEXTLENGTH, WM_SETTEXT (the caption), WM_ENABLE, WM_SETFONT,
//                           WM_GETOBJECT (role, name, state, value, default action), WM_PRINTCLIENT
//   TSkinButton             BM_CLICK (click, then BN_CLICKED), BM_GETSTATE (BST_PUSHED while down)
//   TSkinCheckRadioBox,     BM_CLICK, BM_GETCHECK, BM_SETCHECK (BST_CHECKED / BST_UNCHECKED; setting does
//   group buttons           not notify, as with the system's check boxes), BN_CLICKED on a click
//   TSkinGroupBox with a    BM_GETCHECK / BM_SETCHECK / BM_CLICK on its caption check box's id
//   check caption
//   TSkinListBox            LB_GETCOUNT, LB_GETCURSEL, LB_SETCURSEL, LB_GETTEXT, LB_GETTEXTLEN,
//                           LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT,
//                           LB_GETTOPINDEX, LB_SETTOPINDEX (answered by its inner system list box, whose id
//                           is the skinned control's)
//   TSkinComboBox           CB_GETCOUNT, CB_GETCURSEL, CB_SETCURSEL, CB_GETLBTEXT, CB_GETLBTEXTLEN,
//                           CB_ADDSTRING, CB_RESETCONTENT, CB_FINDSTRINGEXACT, CB_SHOWDROPDOWN,
//                           CB_GETDROPPEDSTATE; tells CBN_SELCHANGE, CBN_DROPDOWN and CBN_CLOSEUP
//   TSkinTrackBar           TBM_GETPOS, TBM_SETPOS (wParam TRUE redraws), TBM_GETRANGEMIN/MAX, TBM_SETRANGE
//   TSkinScrollBar          SBM_GETPOS, SBM_SETPOS, SBM_GETRANGE, SBM_SETRANGE, SBM_GETSCROLLINFO,
//                           SBM_SETSCROLLINFO
//
// Setting a value by message changes the control as the user would see it but, like the system's own
// controls, sends no change notification; BM_CLICK alone behaves as a click.
#pragma once

#include <windows.h>

#include <commctrl.h>
