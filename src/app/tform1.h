// TForm1, the main window: it holds the one active colour and every control around it.
//
// The class is declared here in sections, one per subsystem; each subsystem folder holds its
// part of the implementation (src/mixer/tform1_rgb_mixer.cpp, src/capture/tform1_timer.cpp, ...).
// Controls carry the names users and testers know them by, as members and as object names.
#pragma once

#include <memory>

#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include "capture/capture_maths.h"
#include "colourlist/colour_list.h"

class QAction;
class QActionGroup;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;
class QKeyEvent;
class QDragEnterEvent;
class QDropEvent;
class QTimer;
class QToolButton;

namespace tintora {

class ColourListModel;
class ColourListView;
class ColourPanel;
class FloatingMixerWindow;
class ImageBox;
struct RgbReal;
class Services;
class ShapeBox;
class SpeedButton;
class TAboutBox;
class TChangeColourNameDialogue;
class TForm10;
class TForm2;
class TForm6;
class TForm8;
class TForm9;
class TPopupExt;
class TSaveAsOptions;
class TSplashScreen;
struct TForm1Probe;

class TForm1 : public QWidget {
  Q_OBJECT
  friend struct TForm1Probe;

 public:
  explicit TForm1(Services& services, QWidget* parent = nullptr);
  ~TForm1() override;

  // Steps 3 to 6 of the start-up sequence; `arguments` are the command-line arguments
  // without the program's own name.
  void StartUp(const QStringList& arguments);

  Services& services() { return services_; }

  // ---------------------------------------------------------------- frame (start-up, panes)
 public:
  void FormInitialize();
  void LoadSettings();
  void FormActivate();
  void OnTopToggler();
  void SuspendOnTop();
  void RestoreOnTop();
  void BasicAdvancedShowHide();
  void Delay(int milliseconds);
  // The address of the maker's web page, shown on the about box.
  static constexpr const char* kWebPageAddress = "https://tintora.org";
  QString GetAppPath() const;
  QString GetMyDocDir() const;

  // The secondary windows, created once, in this order, right after the main window.
  TForm2* Form2() const { return form2_.get(); }
  TChangeColourNameDialogue* ChangeColourNameDialogue() const { return changeColourNameDialogue_.get(); }
  TAboutBox* AboutBox() const { return aboutBox_.get(); }
  TSplashScreen* SplashScreen() const { return splashScreen_.get(); }
  TForm6* Form6() const { return form6_.get(); }
  TForm8* Form8() const { return form8_.get(); }
  TForm9* Form9() const { return form9_.get(); }
  TForm10* Form10() const { return form10_.get(); }
  TSaveAsOptions* SaveAsOptions() const { return saveAsOptions_.get(); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void BuildFrame();
  void ConnectFrame();
  void FormCreate();
  bool FormCloseQuery();
  // False when the list the user wanted saved could not be saved: the window stays open.
  bool FormClose();
  void OnTopImageClick();
  void BeforePopUp(TPopupExt* sender);
  void AfterPopUp(TPopupExt* sender);
  void ExpandImageClick();
  void HelpImageClick();
  void FitToVisiblePanes();
  void ApplyStayOnTop(QWidget* window, bool on);
  TPopupExt* MakePopup(const QString& name);
  void DebugButtonClick();

 signals:
  // The main window has closed; the program ends.
  void Closed();

 private:
  // Custom cursors 1 "EYEDROPPERTOLIST", 2 "EYEDROPPER", 3 "PAINTBUCKET", 4 "RIGHTCLICK".
  QCursor CustomCursor(int number) const;

  Services& services_;
  std::unique_ptr<TForm2> form2_;
  std::unique_ptr<TChangeColourNameDialogue> changeColourNameDialogue_;
  std::unique_ptr<TAboutBox> aboutBox_;
  std::unique_ptr<TSplashScreen> splashScreen_;
  std::unique_ptr<TForm6> form6_;
  std::unique_ptr<TForm8> form8_;
  std::unique_ptr<TForm9> form9_;
  std::unique_ptr<TForm10> form10_;
  std::unique_ptr<TSaveAsOptions> saveAsOptions_;

  QGroupBox* ColourSelectGroupBox = nullptr;
  QGroupBox* RGBValuesGroupBox = nullptr;
  QWidget* ExternalColourSourcePanel = nullptr;
  QTabWidget* PageControl1 = nullptr;
  QWidget* RGBTabSheet = nullptr;
  QWidget* TabSheet2 = nullptr;
  QWidget* TabSheet1 = nullptr;
  QWidget* TextColourizerTabSheet = nullptr;
  QWidget* LinksTabSheet = nullptr;
  QGroupBox* ColourViewerGroupBox = nullptr;
  QGroupBox* ColourListGroupBox = nullptr;
  QWidget* DonatePanel = nullptr;
  QGroupBox* DebugPanel = nullptr;
  QPushButton* DebugButton = nullptr;
  ImageBox* ExpandImage = nullptr;
  ImageBox* ToolImage = nullptr;
  ImageBox* HelpImage = nullptr;
  ImageBox* OnTopImage = nullptr;
  QLabel* Label10 = nullptr;

  // Glyphs swapped at run time.
  QPixmap InsertBelowImage, InsertAboveImage, UntackedImage, TackedImage, UnlockedImage, LockedImage,
      CameraImage, EyeDropperImage;
  QCursor cursors_[4];

  QString WebPageAddress;
  QString CommandLineText;
  QStringList commandLineArguments_;
  bool ProgramStarting = false;
  bool OnTopState = false;
  bool OnTopAtStart = false;
  bool OnTopSuspended = false;
  bool PixelCaptureActive = false;
  bool ListChanged = false;
  bool DerivativesLocked = true;

  // ---------------------------------------------------------------- hints (help, about)
 private:
  void MultiLineHintInit();
  void RunHelp();
  void WebPageLink(const QString& address);

  // ---------------------------------------------------------------- value output
 public:
  void CombinedColourValueUpdate();
  void HexHTMLUpdate();
  void ColourPercentDisplayUpdate();
  void HexColourSet(int component);
  void CopyValueToClip();

 private:
  void BuildValueOutput();
  void ConnectValueOutput();
  void HTMLCheckBoxClick();
  void HexOrDecimalRadioButton2Click();
  void BGRCheckBoxClick();
  void AutoCopyCheckBoxClick();
  void CopyValueButtonClick();
  void EditCopy1Execute();
  void HexHTMLEditChange();
  void CopyEditText();

  QLineEdit* HexHTMLEdit = nullptr;
  QRadioButton* HexOrDecimalRadioButton1 = nullptr;
  QRadioButton* HexOrDecimalRadioButton2 = nullptr;
  QCheckBox* HTMLCheckBox = nullptr;
  QCheckBox* IENSCheckBox = nullptr;
  QCheckBox* BGRCheckBox = nullptr;
  QCheckBox* AutoCopyCheckBox = nullptr;
  QPushButton* CopyValueButton = nullptr;
  QAction* EditCopy1 = nullptr;
  ColourPanel* ColourViewPanel = nullptr;
  ColourPanel* ColourViewNegPanel = nullptr;
  ColourPanel* RedPreviewPanel = nullptr;
  ColourPanel* GreenPreviewPanel = nullptr;
  ColourPanel* BluePreviewPanel = nullptr;
  ColourPanel* IntensityPreviewPanel = nullptr;
  QLabel* RedPercent = nullptr;
  QLabel* GreenPercent = nullptr;
  QLabel* BluePercent = nullptr;
  QLabel* CyanPercent = nullptr;
  QLabel* MagentaPercent = nullptr;
  QLabel* YellowPercent = nullptr;

  QString HexRGBText;
  QString DecimalRGBText;
  QString HexBGRText;
  int propagationCount_ = 0;  // how many propagations ran; read by tests and benchmarks

  // ---------------------------------------------------------------- RGB and CMY mixers
 public:
  void ColourTrackBarChanged(int component);
  void AdjustTrackBar(int component, Qt::MouseButton button);
  void TextFieldFilter(int edit);
  void TextFieldToHexFilter(int edit);
  void HexEntryEditPrep(QLineEdit* edit);
  void WebSafeGridToggle();

 private:
  void BuildMixers();
  void ConnectMixers();
  void BuildComponentRow(QWidget* page, int component, int y);
  void BuildIntensityRow(QWidget* page, bool cmy, int y);
  void BuildWebSafeGrid(QWidget* page, int firstShape);
  void CmyTrackBarChange(int component);
  void IntensityTrackBarChange();
  void IntensityTrackBar2Change();
  void RGBIntensitySpeedButtonClick(QToolButton* sender);
  void ComponentPanelMouseDown(int component, Qt::MouseButton button);
  void WebSafeIndicatorGridONOFF1Click();
  void SetEditText(QLineEdit* edit, const QString& text);

  // Rows are numbered 1 red, 2 green, 3 blue, 4 cyan, 5 magenta, 6 yellow (index 0 unused).
  ColourPanel* componentPanel_[7] = {};
  QSlider* componentTrackBar_[7] = {};
  QLineEdit* hexEdit_[7] = {};
  QLineEdit* decimalEdit_[7] = {};
  QLabel* percentLabel_[7] = {};
  QSlider*& RedTrackBar = componentTrackBar_[1];
  QSlider*& GreenTrackBar = componentTrackBar_[2];
  QSlider*& BlueTrackBar = componentTrackBar_[3];
  QSlider*& CyanTrackBar = componentTrackBar_[4];
  QSlider*& MagentaTrackBar = componentTrackBar_[5];
  QSlider*& YellowTrackBar = componentTrackBar_[6];
  QSlider* IntensityTrackBar = nullptr;
  QSlider* IntensityTrackBar2 = nullptr;
  QLineEdit* IntensityEdit = nullptr;
  QLineEdit* CMYIntensityEdit = nullptr;
  QToolButton* RGBIntensitySpeedButton = nullptr;
  QToolButton* CMYIntensitySpeedButton = nullptr;
  QWidget* websafeGridShape_[13] = {};
  TPopupExt* RGBandCMYPopupExt = nullptr;
  QAction* WebSafeIndicatorGridONOFF1 = nullptr;

  int PreviousRed = 0, PreviousGreen = 0, PreviousBlue = 0;
  bool UpdatingMixer = false;
  bool UpdatingHS = false;

  // ---------------------------------------------------------------- hue/saturation mixer
 public:
  void RGBtoHSIHSV();
  void HSIHSVtoRGB();
  void ChangeSpectrumImage(int mode);
  void HSIAdjustTrackBar(int row, Qt::MouseButton button);
  // Floats the mixer as its own tool window, or docks it back into its page.
  void UndockMixer(const QPoint& globalPos);
  void HSIDockPanelDockDrop();
  bool MixerFloating() const;

 private:
  void BuildHsMixer();
  void ConnectHsMixer();
  void RGBtoHSV();
  void HSVtoRGB();
  void HSICalculate();
  void HSI_to_RGB_Calc();
  void MoveRgbTrackBars(const RgbReal& rgb);
  void HsSliderChange(int row);
  void ActiveSpecCheckBoxClick();
  void HsModeClick(bool hsi);
  void CalculatePanelClick();
  void SetDistortion(bool distorted);
  void ToggleCalculateControls();
  bool eventFilter(QObject* watched, QEvent* event) override;

  QWidget* HSIDockPanel = nullptr;
  QWidget* HSIMixerPanel = nullptr;
  FloatingMixerWindow* floatingMixer_ = nullptr;
  ColourPanel* HuePanel = nullptr;
  ColourPanel* SaturationPanel = nullptr;
  ColourPanel* HSIIntensityPanel = nullptr;
  ImageBox* ColourSpectrumImage = nullptr;
  ImageBox* SaturationSpectrum = nullptr;
  ImageBox* VibranceIntensityImage = nullptr;
  QSlider* HueTrackBar = nullptr;
  QSlider* SaturationTrackBar = nullptr;
  QSlider* IntensityTrackBar3 = nullptr;
  QLineEdit* HueEdit = nullptr;
  QLineEdit* SaturationEdit = nullptr;
  QLineEdit* Intensity3Edit = nullptr;
  QCheckBox* ActiveSpecCheckBox = nullptr;
  QWidget* HSSwitchPanel = nullptr;
  QRadioButton* HSVRadioButton = nullptr;
  QRadioButton* HSIRadioButton = nullptr;
  ColourPanel* CalculatePanel = nullptr;
  QLabel* UndockInstructLabel1 = nullptr;
  QLabel* UndockInstructLabel2 = nullptr;
  QLabel* UndockInstructLabel3 = nullptr;
  ShapeBox* Shape4 = nullptr;
  ShapeBox* Shape5 = nullptr;
  ShapeBox* Shape6 = nullptr;
  QPoint mixerDragStart_;
  bool mixerDragArmed_ = false;

  long double CurrentHue = 0;
  long double CurrentSaturation = 0;
  long double CurrentVibrance = 0;
  bool SpectrumRedrawPending = false;

  // ---------------------------------------------------------------- heartbeat, pixel capture
  // and hot keys
 public:
  void Timer1Timer();
  void DeskTopPixelCaptInit();
  void SetupHotkeys();
  void PixelCaptureToggler();
  void PixelCaptureHintDisplay();
  // The capture hot key was pressed: what the window procedure did with the hot-key message.
  void HotKeyPressed();
  // Checks the key item a stored settings index names; 0 and values above 19 change nothing.
  void CheckHotKeyItem(int settingsIndex);
  bool CaptureActive() const { return PixelCaptureActive; }

 private:
  void BuildCapture();
  void ConnectCapture();
  void CaptureTick();
  void PlainRead(QPoint cursor);
  void ZoomRead(QPoint cursor);
  void CaptureDesktopSpeedButtonMouseUp(Qt::MouseButton button);
  QTimer* Timer1 = nullptr;
  SpeedButton* CaptureDesktopSpeedButton = nullptr;
  TPopupExt* ActivePixHotKeyPopupExt = nullptr;
  QAction* Shift1 = nullptr;
  QAction* Ctrl1 = nullptr;
  QAction* Alt1 = nullptr;
  QAction* hotKeyItems_[19] = {};
  QActionGroup* hotKeyGroup_ = nullptr;
  QAction* ZoomViewOnOff1 = nullptr;
  QAction* ZoomX21 = nullptr;
  QAction* ZoomX41 = nullptr;
  QLabel* MouseXLabel = nullptr;
  QLabel* MouseYLabel = nullptr;
  unsigned HotKeyModifiers = 0;
  unsigned HotKeyVirtualKey = 0;
  QImage ZoomBitmap;

  // ---------------------------------------------------------------- snapshot, clipboard image,
  // colour dialog
 public:
  void CaptureDesktop();
  QImage CaptureScreen();
  void CopyFromClipSpeedButtonClick();
  void WinPaletteSpeedButtonClick();
  void RetreiveColourPalette();
  const CustomColourSlots& CustomColours() const { return customColours_; }

 private:
  void BuildSnapshot();
  void ConnectSnapshot();
  SpeedButton* CopyFromClipSpeedButton = nullptr;
  SpeedButton* WinPaletteSpeedButton = nullptr;
  TPopupExt* DesktopCapturePopupExt = nullptr;
  QAction* CopyToClipboard1 = nullptr;
  CustomColourSlots customColours_{};
  int lastDialogColour_ = 0;

  // ---------------------------------------------------------------- colour selector, palettes,
  // tray and viewer
 public:
  void ColourSelectorUpdate(long long colourValue);
  void SetColourSelection();
  void MultiPanelColMouseOverAndSelect(ColourPanel* panel, bool select);
  void PalettePanelUpdate(int palette);
  void BMPPixelColourRetreive(int source, int x, int y, bool select);
  void WebSafePaletteToggle();
  void BaseColourLockToggle();
  void BaseColourLockReset();
  void ColourSelectorPanelReScale();

 private:
  void BuildSelector();
  void ConnectSelector();
  void BuildViewer();
  void ConnectViewer();
  ImageBox* PictureOfSource(int source) const;
  void PaletteImagesMouseDown(int palette, Qt::MouseButton button, QPoint pos);
  void LockColourSpeedButtonMouseDown(Qt::MouseButton button);
  void RetreiveAllAsWebsafe1Click();
  void SetWebsafePaletteOn1Click();
  void ColourViewNegPanelClick();
  void SamplePanelMouseDown(ColourPanel* panel, Qt::MouseButton button);
  void Panel15MouseDown(Qt::MouseButton button);
  void ColourViewPanelDblClick();
  int SourceCursor() const;  // 1 with auto-index on, else 2
  bool SampleLayoutShown() const;

  ColourPanel* ColourSelectorPanel = nullptr;
  QLineEdit* ColourSelectorEdit = nullptr;
  ImageBox* ZoomImage = nullptr;
  ImageBox* WebSafeImage = nullptr;
  QWidget* ColourTrayPanel = nullptr;
  ColourPanel* trayPanels_[16] = {};
  ColourPanel* RedBasePanel = nullptr;
  ColourPanel* GreenBasePanel = nullptr;
  ColourPanel* BlueBasePanel = nullptr;
  ImageBox* basePalette_[4] = {};  // 1 red, 2 green, 3 blue
  ImageBox*& RedBasedPaletteImage = basePalette_[1];
  ImageBox*& GreenBasedPaletteImage = basePalette_[2];
  ImageBox*& BlueBasedPaletteImage = basePalette_[3];
  SpeedButton* LockColourSpeedButton = nullptr;
  TPopupExt* ColourSelectorPopupExt = nullptr;
  QAction* RetreiveAllAsWebsafe1 = nullptr;
  TPopupExt* PalettePopupExt = nullptr;
  QAction* SetWebsafePaletteOn1 = nullptr;
  ColourPanel* Panel14 = nullptr;
  ColourPanel* Panel15 = nullptr;
  ColourPanel* samplePanels_[12] = {};  // Panel6 .. Panel11
  QCheckBox* AutoIndexCheckBox = nullptr;

  // ---------------------------------------------------------------- harmony schemes and wheel
 public:
  void ComplimentaryColActivate();
  void ComplimentaryColDisplay();
  void ComplimentaryColSize();
  void ComplimentaryColUpdate();
  int HSVtoRGBforComplCol(int offset) const;
  void IndexComplimentary(int colourValue);
  void DrawWheel();
  void WheelCustSave();
  // The settings file; tests point it elsewhere.
  QString SettingsFile() const { return settingsFile_; }
  void SetSettingsFile(const QString& path) { settingsFile_ = path; }

 private:
  void BuildHarmony();
  void ConnectHarmony();
  void ShapeMouseDown(ShapeBox* shape, Qt::MouseButton button);
  void ShapeMouseMove(ShapeBox* shape);
  void SchemeClick(QAction* item);
  void WebsafeComplimentsOnly1Click();
  void WheelImageMouseMove(QPoint pos);
  void WheelImageMouseDown(Qt::MouseButton button, QPoint pos);
  void WheelCenterShapeMouseDown(Qt::MouseButton button);
  void CustomizeColourWheel1Click();
  int CheckedScheme() const;  // 1..6
  int ComplementWebSafe(int colourValue) const;
  void ApplyColourWheelSettings();

  QLabel* CompColLabel = nullptr;
  TPopupExt* ComplimentaryColPopupExt = nullptr;
  QAction* ShowComplimentaryColours1 = nullptr;
  QAction* WebsafeComplimentsOnly1 = nullptr;
  QAction* Complimentary1 = nullptr;
  QAction* SplitComplimentary1 = nullptr;
  QAction* Analogous1 = nullptr;
  QAction* Triadic1 = nullptr;
  QAction* Tetradic1 = nullptr;
  QAction* ColourWheel1 = nullptr;
  QAction* CustomizeColourWheel1 = nullptr;
  QActionGroup* schemeGroup_ = nullptr;
  ShapeBox* Shape1 = nullptr;
  ShapeBox* Shape2 = nullptr;
  ShapeBox* Shape3 = nullptr;
  ImageBox* WheelImage = nullptr;
  ShapeBox* WheelCenterShape = nullptr;
  ImageBox* WebSafeImage2 = nullptr;
  QCheckBox* IncludeComplimentaryCheckBox = nullptr;
  QString settingsFile_;

  // ---------------------------------------------------------------- colour list
 public:
  void IndexColour();
  void StoreUndo();
  void DisplayListColour();
  void DeleteSelectedColours();
  void SortList(int code);
  void CustomColourListBoxMoveItems(int x, int y);
  // Entries dropped on the list: from the list itself (a move) or from elsewhere.
  void CustomColourListBoxDragDrop(QObject* source, QPoint viewportPos, const QByteArray& cdtLines);
  void MakeColourSafe();
  void RGBHexListToWebSafe();
  const ColourList& List() const { return list_; }

 private:
  void BuildColourList();
  void ConnectColourList();
  void InsertSpeedButtonClick();
  void InsertModeSpeedButtonClick();
  void CustomColourListBoxClick();
  void CustomColourListBoxDblClick();
  void CustomColourListBoxKeyDown(QKeyEvent* event, bool* consumed);
  void NameEditSpeedButtonClick();
  void ChangeColourNameOK();
  void DeleteSpeedButtonClick();
  void ClearAllSpeedButtonClick();
  void UndoLastChange1Click();
  void PopupMenu1Popup();
  void SortCommand(int code);
  void ConvertListtoWebSafe1Click();
  void GenerateColourSafeList1Click();
  void CopyListasHTMLComment1Click();
  void UpdateCountLabel();
  void SetFileNameHint(const QString& path);
  // The entry with the keyboard focus; -1 when there is none.
  int CurrentItem() const;
  void SelectItem(int row, bool clearOthers);
  bool ListHoldsData() const;
  // Makes the selector's colour active without adding it to the list again.
  void SetColourSelectionWithoutIndexing();
  void RestoreActiveColour(int red, int green, int blue);

  ColourList list_;
  ColourListModel* listModel_ = nullptr;
  ColourListView* CustomColourListBox = nullptr;
  QLabel* ColourListTotalLabel = nullptr;
  QLabel* FileNameLabel = nullptr;
  QWidget* ListControlPanel = nullptr;
  SpeedButton* InsertSpeedButton = nullptr;
  SpeedButton* InsertModeSpeedButton = nullptr;
  SpeedButton* NameEditSpeedButton = nullptr;
  SpeedButton* SaveSpeedButton = nullptr;
  SpeedButton* DeleteSpeedButton = nullptr;
  SpeedButton* ClearAllSpeedButton = nullptr;
  QRadioButton* AddmodeRadioButton = nullptr;
  QRadioButton* InsertModeRadioButton = nullptr;
  TPopupExt* ColourListPopupExt = nullptr;
  QAction* DeleteSelectedColours1 = nullptr;
  QAction* UndoLastChange1 = nullptr;
  QAction* AlphabeticalSort1 = nullptr;
  QAction* SortByIntensity1 = nullptr;
  QAction* SortBySaturation1 = nullptr;
  QAction* SortByHue = nullptr;
  QAction* SortByHexValue1 = nullptr;
  QAction* ConvertListtoWebSafe1 = nullptr;
  QAction* GenerateWebSafeList1 = nullptr;
  QAction* CopyListasHTMLComment1 = nullptr;
  bool ManualIndexing = false;
  bool IndexingComplements = false;
  bool InsertBelow = false;
  int UndoCount = 0;
  // The text of the last list file read or written, and the one-level undo snapshot.
  std::string Memo1;

  // ---------------------------------------------------------------- colour list files
 public:
  enum class SaveOutcome { Saved, Exported, Cancelled, Failed, NothingToSave };
  // Loads the file named in the open dialog, by its filter index (1 CDT, 2 LST, 3 ACO).
  void CustomColourFileOpenAccept();
  void CDTFileParser();
  // Appends entries read from elsewhere (a file, the colour dialog) to the list and its view.
  void AppendToList(std::vector<ColourEntry> entries);
  void ParseDataForCDTFile();
  // The save command: the save dialog, then the save dispatch.
  SaveOutcome FileSaveAs1Execute();
  SaveOutcome FileSaveAs1Accept(const QString& fileName, int filterIndex);
  // Files dropped on the main window, in the order given.
  void WMDropFiles(const QStringList& files);
  // The open dialog's file name and filter index, as a direct caller sets them.
  void SetOpenDialog(const QString& fileName, int filterIndex);
  QString SaveDialogFileName() const { return saveDialogFileName_; }
  int SaveDialogFilterIndex() const { return saveDialogFilterIndex_; }

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildFiles();
  void ConnectFiles();
  void LoadSpeedButtonMouseUp(Qt::MouseButton button);
  void CustomColourFileOpenExecute();
  void SaveSpeedButtonClick();
  void OpenCommandLineFile();
  bool SaveQuestion(const QString& operation);  // false: the user cancelled
  // A failed read or write, with the system's reason.
  void ReportFileError(const QString& fileName, const QString& reason);
  class Progress;

  SpeedButton* LoadSpeedButton = nullptr;
  QAction* CustomColourFileOpen = nullptr;
  QAction* FileSaveAs1 = nullptr;
  QWidget* ProgressPanel = nullptr;
  QProgressBar* ProgressBar2 = nullptr;
  QString openDialogFileName_;
  int openDialogFilterIndex_ = 1;
  QString openDialogFolder_;
  QString saveDialogFileName_;
  int saveDialogFilterIndex_ = 1;
  QString saveDialogFolder_;
  QString saveDialogTitle_ = "Tintora: Save Custom Colour List";
};

}  // namespace tintora
