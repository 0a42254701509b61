#pragma once

// The numbers of the events the runtime hands to program callbacks, grouped by source. An event
// marked "not delivered" has no counterpart on this desktop: the platform never sends it, so a
// program hears it only when something calls the delegate method itself.

#include <cstdint>

// A control sent its action.
inline constexpr std::int64_t kControlActionEvent = 1;

// What a menu tells the callback of its CUI_MenuDelegate.
namespace MenuEvent {
inline constexpr std::int64_t WillHighlightItem = 3;
inline constexpr std::int64_t WillOpen = 4;
inline constexpr std::int64_t DidClose = 5;
inline constexpr std::int64_t NeedsUpdate = 7;
} // namespace MenuEvent

// What the pull-down arrow of a colour well reports, through ControlEvent.
namespace ColorWellEvent {
inline constexpr std::int64_t Pulldown = 5900;
} // namespace ColorWellEvent

// What text fields, secure text fields, search fields and combo boxes report of editing, through
// ControlEvent.
namespace TextEditingEvent {
inline constexpr std::int64_t DidBeginEditing = 1200;
inline constexpr std::int64_t DidChange = 1201;
inline constexpr std::int64_t DidEndEditing = 1202;
inline constexpr std::int64_t ShouldBeginEditing = 1203;
inline constexpr std::int64_t ShouldEndEditing = 1204;
inline constexpr std::int64_t DoCommandBySelector = 1205;
} // namespace TextEditingEvent

// What a combo box tells CUI_ComboBoxDelegate of its list, through ControlEvent.
namespace ComboBoxEvent {
inline constexpr std::int64_t SelectionDidChange = 1100;
inline constexpr std::int64_t SelectionIsChanging = 1101;
inline constexpr std::int64_t WillDismiss = 1102;
inline constexpr std::int64_t WillPopUp = 1103;
} // namespace ComboBoxEvent

// What a search field tells CUI_SearchFieldDelegate, through ControlEvent.
namespace SearchFieldEvent {
inline constexpr std::int64_t DidStartSearching = 1400;
inline constexpr std::int64_t DidEndSearching = 1401;
} // namespace SearchFieldEvent

// What a token field asks the dialog callback about its tokens, with the token field's tag and
// wndTag.
namespace TokenFieldEvent {
inline constexpr std::int64_t DisplayString = 1800;
inline constexpr std::int64_t Style = 1801;
inline constexpr std::int64_t Completions = 1802;
inline constexpr std::int64_t EditingString = 1803;
inline constexpr std::int64_t RepresentedObject = 1804;
inline constexpr std::int64_t ShouldAddObjects = 1805;
inline constexpr std::int64_t ReadFromPasteboard = 1806;
inline constexpr std::int64_t WriteToPasteboard = 1807;
inline constexpr std::int64_t HasMenu = 1808;
inline constexpr std::int64_t Menu = 1809;
} // namespace TokenFieldEvent

// What a table view's CUI_TableViewDelegate asks and tells the table's delegateCallback, or
// else the dialog callback: its cells, rows and columns, its selection, the rows dropped on it
// and the edits of its cells. A table's click is reported as the control action.
namespace TableViewEvent {
inline constexpr std::int64_t ViewForTableColumnRow = 1600;
inline constexpr std::int64_t RowViewForRow = 1601;
inline constexpr std::int64_t DidAddRowView = 1602;
inline constexpr std::int64_t DidRemoveRowView = 1603;
inline constexpr std::int64_t IsGroupRow = 1604;
inline constexpr std::int64_t HeightOfRow = 1605;
inline constexpr std::int64_t SelectionShouldChange = 1607;
inline constexpr std::int64_t ShouldSelectRow = 1608;
inline constexpr std::int64_t ShouldSelectTableColumn = 1610;
inline constexpr std::int64_t SelectionIsChanging = 1611;
inline constexpr std::int64_t SelectionDidChange = 1612;
inline constexpr std::int64_t ShouldTypeSelect = 1613;
inline constexpr std::int64_t ShouldReorderColumn = 1616;
inline constexpr std::int64_t DidDragTableColumn = 1617;
inline constexpr std::int64_t ColumnDidMove = 1618;
inline constexpr std::int64_t ColumnDidResize = 1619;
inline constexpr std::int64_t DidClickTableColumn = 1620;
inline constexpr std::int64_t MouseDownInHeader = 1621;
inline constexpr std::int64_t UserCanChangeVisibility = 1623;
inline constexpr std::int64_t UserDidChangeVisibility = 1624;
inline constexpr std::int64_t NumberOfRows = 1625;
inline constexpr std::int64_t AcceptFileDrop = 1627;
inline constexpr std::int64_t ValidateDrop = 1628;
inline constexpr std::int64_t DoubleAction = 1634;
inline constexpr std::int64_t DidEndEditing = 1636;
} // namespace TableViewEvent

// What an outline view's CUI_OutlineViewDelegate asks and tells the outline's own callback, or
// else the dialog callback: its selection, the tint of a node, the visibility of its columns,
// files dropped on it from outside, and its clicks (the click and the double click a table
// reports too).
namespace OutlineViewEvent {
inline constexpr std::int64_t Action = 1;
inline constexpr std::int64_t DoubleAction = 1634;
inline constexpr std::int64_t SelectionDidChange = 3911;
inline constexpr std::int64_t TintConfigurationForItem = 3929;
inline constexpr std::int64_t UserCanChangeVisibility = 3937;
inline constexpr std::int64_t UserDidChangeVisibility = 3938;
inline constexpr std::int64_t AcceptFileDrop = 3939;
} // namespace OutlineViewEvent

// What a table row view of the family reports to the dialog callback, with the row view as the
// object and 0 as both tags.
namespace TableRowViewEvent {
inline constexpr std::int64_t DrawSelection = 3003;
inline constexpr std::int64_t DrawSeparator = 3004;
} // namespace TableRowViewEvent

// What a tab view's CUI_TabViewDelegate reports to the dialog callback: the number of items
// changed, whether an item may be selected, and an item about to be and just selected.
namespace TabViewEvent {
inline constexpr std::int64_t DidChangeNumberOfItems = 1700;
inline constexpr std::int64_t ShouldSelectItem = 1701;
inline constexpr std::int64_t WillSelectItem = 1702;
inline constexpr std::int64_t DidSelectItem = 1703;
} // namespace TabViewEvent

// What split views report to the dialog callback with their tag and wndTag: the questions of
// the shared CUI_SplitViewDelegate (1501-1510) and SplitViewSC's divider questions (1511-1513).
namespace SplitViewEvent {
inline constexpr std::int64_t WillResizeSubviews = 1501;
inline constexpr std::int64_t DidResizeSubviews = 1502;
inline constexpr std::int64_t CanCollapseSubview = 1503;
inline constexpr std::int64_t ShouldAdjustSizeOfSubview = 1504;
inline constexpr std::int64_t ShouldHideDivider = 1506;
inline constexpr std::int64_t ConstrainMaxCoordinate = 1508;
inline constexpr std::int64_t ConstrainMinCoordinate = 1509;
inline constexpr std::int64_t ConstrainSplitPosition = 1510;
inline constexpr std::int64_t DividerColor = 1511;
inline constexpr std::int64_t DividerThickness = 1512;
inline constexpr std::int64_t DrawDivider = 1513;
} // namespace SplitViewEvent

// What the shared CUI_StackViewDelegate reports of a stack view: views detached earlier are
// back, and views are about to be detached; the list of the views is the object.
namespace StackViewEvent {
inline constexpr std::int64_t DidReattachViews = 4500;
inline constexpr std::int64_t WillDetachViews = 4501;
} // namespace StackViewEvent

// What a popover's CUI_PopoverDelegate asks and tells the dialog callback.
namespace PopoverEvent {
inline constexpr std::int64_t DetachableWindow = 1300;
inline constexpr std::int64_t ShouldClose = 1301;
inline constexpr std::int64_t WillShow = 1302;
inline constexpr std::int64_t DidShow = 1303;
inline constexpr std::int64_t WillClose = 1304;
inline constexpr std::int64_t DidClose = 1305;
inline constexpr std::int64_t DidDetach = 1306;
inline constexpr std::int64_t ShouldDetach = 1307;
} // namespace PopoverEvent

// A toolbar item that CUI_ToolbarDelegate made was chosen, or is asked whether it is enabled.
namespace ToolbarEvent {
inline constexpr std::int64_t ItemAction = 1900;
inline constexpr std::int64_t ValidateItem = 1901;
} // namespace ToolbarEvent

// The questions a cell of the family asks the dialog callback, with the cell as the object.
namespace CellEvent {
inline constexpr std::int64_t Font = 4200;
inline constexpr std::int64_t TextColor = 4300;
} // namespace CellEvent

// What a path control's CUI_PathControlDelegate asks and tells the dialog callback, with the
// path control's tag and wndTag.
namespace PathControlEvent {
inline constexpr std::int64_t ValidateDrop = 4400;
inline constexpr std::int64_t AcceptDrop = 4401;
inline constexpr std::int64_t WillDisplayOpenPanel = 4402;
inline constexpr std::int64_t WillPopUpMenu = 4403;
// Not delivered: components are not dragged out of a path control
inline constexpr std::int64_t ShouldDrag = 4404;
inline constexpr std::int64_t DoubleAction = 4405;
} // namespace PathControlEvent

// What a CUI_GestureRecognizerTarget without a callback forwards to the dialog callback, with
// the tag and wndTag of the recognizer's view and the recognizer as the object.
namespace GestureEvent {
inline constexpr std::int64_t Click = 2700;
inline constexpr std::int64_t Magnification = 2701;
inline constexpr std::int64_t Pan = 2702;
inline constexpr std::int64_t Press = 2703;
inline constexpr std::int64_t Rotation = 2704;
} // namespace GestureEvent

// Application events: the application delegate's notifications and questions.
namespace AppEvent {
inline constexpr std::int64_t WillFinishLaunching = 1;
inline constexpr std::int64_t DidFinishLaunching = 2;
inline constexpr std::int64_t ShouldTerminate = 3;
inline constexpr std::int64_t ShouldTerminateAfterLastWindowClosed = 4;
inline constexpr std::int64_t WillTerminate = 5;
inline constexpr std::int64_t WillBecomeActive = 6;
inline constexpr std::int64_t DidBecomeActive = 7;
inline constexpr std::int64_t WillResignActive = 8;
inline constexpr std::int64_t DidResignActive = 9;
// Not delivered: no hiding of the whole application
inline constexpr std::int64_t WillHide = 10;
// Not delivered: no hiding of the whole application
inline constexpr std::int64_t DidHide = 11;
// Not delivered: no hiding of the whole application
inline constexpr std::int64_t WillUnhide = 12;
// Not delivered: no hiding of the whole application
inline constexpr std::int64_t DidUnhide = 13;
inline constexpr std::int64_t WillUpdate = 14;
inline constexpr std::int64_t DidUpdate = 15;
inline constexpr std::int64_t ShouldHandleReopen = 16;
// Not delivered: no dock
inline constexpr std::int64_t DockMenu = 17;
inline constexpr std::int64_t DidChangeScreenParameters = 19;
inline constexpr std::int64_t OpenFileWithoutUI = 20;
inline constexpr std::int64_t OpenTempFile = 21;
inline constexpr std::int64_t OpenUntitledFile = 22;
inline constexpr std::int64_t ShouldOpenUntitledFile = 23;
inline constexpr std::int64_t PrintFile = 24;
inline constexpr std::int64_t PrintFiles = 25;
// Not delivered: no remote notifications
inline constexpr std::int64_t DidRegisterForRemoteNotifications = 26;
// Not delivered: no remote notifications
inline constexpr std::int64_t DidFailToRegisterForRemoteNotifications = 27;
// Not delivered: no remote notifications
inline constexpr std::int64_t DidReceiveRemoteNotification = 28;
// Not delivered: the program takes no session to restore
inline constexpr std::int64_t DidDecodeRestorableState = 29;
inline constexpr std::int64_t WillEncodeRestorableState = 30;
// Not delivered: no continuity
inline constexpr std::int64_t WillContinueUserActivity = 31;
// Not delivered: no continuity
inline constexpr std::int64_t DidFailToContinueUserActivity = 33;
// Not delivered: no continuity
inline constexpr std::int64_t DidUpdateUserActivity = 34;
inline constexpr std::int64_t DidChangeOcclusionState = 35;
inline constexpr std::int64_t OpenFiles = 36;
} // namespace AppEvent

// Events of a window's content view, shared with the view events of interface elements.
namespace ViewEvent {
inline constexpr std::int64_t DrawRect = 2000;
inline constexpr std::int64_t AcceptsFirstResponder = 2001;
inline constexpr std::int64_t MouseDown = 2002;
inline constexpr std::int64_t MouseDragged = 2003;
inline constexpr std::int64_t MouseUp = 2004;
inline constexpr std::int64_t MouseMoved = 2005;
inline constexpr std::int64_t MouseEntered = 2006;
inline constexpr std::int64_t MouseExited = 2007;
inline constexpr std::int64_t RightMouseDown = 2008;
inline constexpr std::int64_t RightMouseDragged = 2009;
inline constexpr std::int64_t RightMouseUp = 2010;
inline constexpr std::int64_t KeyDown = 2011;
inline constexpr std::int64_t KeyUp = 2012;
inline constexpr std::int64_t FlagsChanged = 2013;
inline constexpr std::int64_t ResetCursorRects = 2015;
inline constexpr std::int64_t DraggingEntered = 2016;
inline constexpr std::int64_t DraggingExited = 2020;
inline constexpr std::int64_t PerformDragOperation = 2022;
inline constexpr std::int64_t DidChangeEffectiveAppearance = 2025;
inline constexpr std::int64_t MenuForEvent = 2026;
inline constexpr std::int64_t AwakeFromNib = 2029;
} // namespace ViewEvent

// What text views tell and ask through CUI_TextViewDelegate, to the dialog callback with the
// text view's tag and window tag.
namespace TextViewEvent {
inline constexpr std::int64_t DidBeginEditing = 2100;
inline constexpr std::int64_t DidChange = 2101;
inline constexpr std::int64_t DidEndEditing = 2102;
inline constexpr std::int64_t WillChangeSelection = 2303;
inline constexpr std::int64_t DidChangeSelection = 2305;
inline constexpr std::int64_t ShouldChangeText = 2308;
inline constexpr std::int64_t Completions = 2319;
inline constexpr std::int64_t WillShowSharingServicePicker = 2320;
inline constexpr std::int64_t DoCommandBySelector = 2321;
} // namespace TextViewEvent

// The font manager's changeFont reached CUI_FontManagerDelegate.
namespace FontEvent {
inline constexpr std::int64_t Changed = 2200;
} // namespace FontEvent

// What a file manager asks through CUI_FileManagerDelegate, for each item of an operation.
namespace FileManagerEvent {
inline constexpr std::int64_t ShouldMove = 2400;
inline constexpr std::int64_t ShouldProceedAfterMoveError = 2401;
inline constexpr std::int64_t ShouldCopy = 2402;
inline constexpr std::int64_t ShouldProceedAfterCopyError = 2403;
inline constexpr std::int64_t ShouldRemove = 2404;
} // namespace FileManagerEvent

// The colour panel's action reached CUI_ColorPanelTarget without a callback of its own.
namespace ColorPanelEvent {
inline constexpr std::int64_t Action = 2600;
} // namespace ColorPanelEvent

// What open and save panels tell and ask through CUI_OpenSavePanelDelegate.
namespace PanelEvent {
inline constexpr std::int64_t UserEnteredFilename = 2901;
inline constexpr std::int64_t SelectionDidChange = 2902;
inline constexpr std::int64_t DidChangeToDirectory = 2903;
inline constexpr std::int64_t WillExpand = 2904;
inline constexpr std::int64_t ShouldEnableURL = 2905;
inline constexpr std::int64_t ValidateURL = 2906;
} // namespace PanelEvent

// What a URL session tells through CUI_URLSessionDelegate.
namespace URLSessionEvent {
inline constexpr std::int64_t DidBecomeInvalid = 3600;
inline constexpr std::int64_t DidFinishDownloading = 3604;
inline constexpr std::int64_t DidResumeAtOffset = 3605;
inline constexpr std::int64_t DidWriteData = 3606;
inline constexpr std::int64_t DidComplete = 3607;
inline constexpr std::int64_t DidSendBodyData = 3609;
inline constexpr std::int64_t DidFinishCollectingMetrics = 3614;
inline constexpr std::int64_t DidReceiveData = 3618;
inline constexpr std::int64_t DidBecomeStreams = 3621;
inline constexpr std::int64_t ReadClosed = 3622;
inline constexpr std::int64_t WriteClosed = 3623;
} // namespace URLSessionEvent

// What a sound tells through CUI_SoundDelegate.
namespace SoundEvent {
inline constexpr std::int64_t DidFinishPlaying = 3700;
} // namespace SoundEvent

// What a preview panel asks through CUI_QLPreviewPanelDelegate.
namespace PreviewEvent {
inline constexpr std::int64_t NumberOfItems = 4700;
inline constexpr std::int64_t ItemAtIndex = 4701;
} // namespace PreviewEvent

// An error's presentation ended (CUI_ResponderTarget).
namespace ErrorEvent {
inline constexpr std::int64_t DidPresentError = 4900;
} // namespace ErrorEvent

// A print operation ended (CUI_PrintOperationDelegate without a callback of its own).
namespace PrintEvent {
inline constexpr std::int64_t OperationDidRun = 5200;
} // namespace PrintEvent

// What a sharing-service picker asks and tells through CUI_SharingServicePickerDelegate.
namespace SharingPickerEvent {
inline constexpr std::int64_t ServicesForItems = 5700;
inline constexpr std::int64_t DidChooseService = 5701;
} // namespace SharingPickerEvent

// Window and panel events.
namespace WindowEvent {
inline constexpr std::int64_t WillPositionSheet = 10000;
inline constexpr std::int64_t WillBeginSheet = 10001;
inline constexpr std::int64_t DidEndSheet = 10002;
inline constexpr std::int64_t WillResize = 10003;
inline constexpr std::int64_t DidResize = 10004;
inline constexpr std::int64_t WillStartLiveResize = 10005;
inline constexpr std::int64_t DidEndLiveResize = 10006;
inline constexpr std::int64_t WillMiniaturize = 10007;
inline constexpr std::int64_t DidMiniaturize = 10008;
inline constexpr std::int64_t DidDeminiaturize = 10009;
inline constexpr std::int64_t WillUseStandardFrame = 10010;
inline constexpr std::int64_t ShouldZoom = 10011;
inline constexpr std::int64_t WillUseFullScreenContentSize = 10012;
// Not delivered: no presentation options
inline constexpr std::int64_t WillUseFullScreenPresentationOptions = 10013;
inline constexpr std::int64_t WillEnterFullScreen = 10014;
inline constexpr std::int64_t DidEnterFullScreen = 10015;
inline constexpr std::int64_t WillExitFullScreen = 10016;
inline constexpr std::int64_t DidExitFullScreen = 10017;
inline constexpr std::int64_t DidFailToEnterFullScreen = 10022;
inline constexpr std::int64_t DidFailToExitFullScreen = 10025;
inline constexpr std::int64_t WillMove = 10026;
inline constexpr std::int64_t DidMove = 10027;
inline constexpr std::int64_t DidChangeScreen = 10028;
inline constexpr std::int64_t ShouldClose = 10031;
inline constexpr std::int64_t WillClose = 10032;
inline constexpr std::int64_t DidBecomeKey = 10033;
inline constexpr std::int64_t DidResignKey = 10034;
inline constexpr std::int64_t DidBecomeMain = 10035;
inline constexpr std::int64_t DidResignMain = 10036;
inline constexpr std::int64_t DidUpdate = 10037;
// Not delivered: no document-path menu
inline constexpr std::int64_t ShouldPopUpDocumentPathMenu = 10038;
inline constexpr std::int64_t CanBecomeKey = 10039;
inline constexpr std::int64_t DraggingEntered = 10040;
inline constexpr std::int64_t DraggingExited = 10044;
inline constexpr std::int64_t PerformDragOperation = 10046;
inline constexpr std::int64_t MouseDown = 10050;
inline constexpr std::int64_t MouseUp = 10053;
inline constexpr std::int64_t KeyDown = 10054;
inline constexpr std::int64_t KeyUp = 10055;
inline constexpr std::int64_t FlagsChanged = 10056;
inline constexpr std::int64_t MouseEntered = 10057;
inline constexpr std::int64_t MouseExited = 10058;
inline constexpr std::int64_t AwakeFromNib = 10059;
} // namespace WindowEvent
