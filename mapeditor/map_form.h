#pragma once
#include <QButtonGroup>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QToolButton>
#include <QWidget>
#include <array>
#include <initializer_list>

#include "core/help_pages.h"
#include "core/program_flow.h"
#include "core/upward_call.h"
#include "mapeditor/map_sheet.h"
#include "platform/picture.h"

namespace kvd {

struct Context;

// The map editor: a player loads a 1024 x 768 JPEG of a sea, lays the board's grid over it,
// chooses the home edge, marks land cells, places the first side's twenty ships in the home
// band, and stores the map beside the built-in ones. Every text comes from the language texts,
// fitted to its box. Each showing starts a new map on an empty picture.
class TMapForm : public QWidget {
  public:
    explicit TMapForm(Context& context, QWidget* parent = nullptr);

    // Shows the editor centred on the screen.
    void ShowCentred();
    // A new map: nothing loaded, the texts of the chosen language.
    void FormShow();

    // The buttons' actions.
    void LoadClick();
    // Loads a picture file into the map area: false, with a message, when it is no 1024 x 768 JPEG.
    bool LoadPicture(const QString& path);
    void HomeClick();
    void HomeChoice(QChar edge);
    void HomeConfirmClick();
    void AddLandClick();
    void UndoLandClick();
    void LandConfirmClick();
    void EnableClick();
    void UndoShipsClick();
    void ShipsConfirmClick();
    void StoreClick();
    void ClearAllClick();
    void HelpClick();
    void CloseClick();
    // A press on the map area (window coordinates).
    void MapMouseDown(Qt::MouseButton button, QPoint at);

    const MapSheet& Sheet() const { return sheet_; }
    // Where the making of a map stands: each step opens the next.
    enum class Step { LoadPicture, ChooseHome, DrawLand, PlaceShips, Finished };
    Step EditorStep = Step::LoadPicture;
    QChar EditorHome = QLatin1Char('L');
    QString PicturePath;
    const QImage& Shown() const { return screen_; }

    UpwardCall<ProgramFlow> flow{"the map editor to the program"};
    UpwardCall<HelpPages> help{"the map editor to the help pages"};

    QLabel* Title = nullptr;
    QLineEdit* OutBox = nullptr;
    QToolButton *CloseButton = nullptr, *HelpButton = nullptr, *LoadButton = nullptr,
                *ClearButton = nullptr, *StoreButton = nullptr;
    QLabel* NameLabel = nullptr;
    QLineEdit* Edit1 = nullptr;
    QGroupBox* Location = nullptr;
    QRadioButton *Europe = nullptr, *Asia = nullptr;
    QLabel *HomeTitle = nullptr, *LandTitle = nullptr, *ShipsTitle = nullptr;
    QToolButton *HomeButton = nullptr, *HomeConfirm = nullptr, *AddLand = nullptr,
                *UndoLand = nullptr, *LandConfirm = nullptr, *EnableShips = nullptr,
                *UndoShips = nullptr, *ShipsConfirm = nullptr;
    QListWidget* ListBox1 = nullptr;
    std::array<QLabel*, 10> Counters{};
    QMenu* HomeMenu = nullptr;

    // Where the map area starts and how big a cell is.
    static constexpr int kLeft = 111, kTop = 131, kCellWidth = 67, kCellHeight = 48;
    // The window's size and its background (a Windows colour value, blue-green-red).
    static constexpr int kWidth = 780, kHeight = 611;
    static constexpr quint32 kBackground = 10862545;
    // The edges a home may lie on, in the home menu's order.
    static inline const QString kEdges = QStringLiteral("LRTB");

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // The controls, laid out as the editor has always had them: the title and tool band along
    // the top, the three steps down the left; then each button wired to its click.
    void BuildLayout();
    void BuildToolBand();
    void BuildStepPanel();
    void ConnectButtons();
    QToolButton* Button(QRect where, bool step);
    // Every text from the language texts, each control's font fitted to its box.
    void Relabel();
    // The largest font, from base down, at which every one of the controls shows its whole text.
    void FitFonts(std::initializer_list<QWidget*> controls, const QFont& base);
    static int NeededWidth(const QWidget* control);
    // The map, the picture and the counters as at the start; the name field empty.
    void StartAfresh();
    QString Text(int n) const;
    void ShowCounters();
    void SetHomePicture(const QString& sprite);
    void DrawCell(const QString& sprite, int x, int y, bool transparent);
    void Fail(const QString& text);
    // Loading, help and closing are all a player may do until a picture is loaded.
    void OnlyLoading();

    Context& context_;
    MapSheet sheet_;
    QButtonGroup* steps_ = nullptr;
    QImage screen_;             // what the window shows
    QImage WorkImage;           // the map as it stands
    QImage BaseImage;           // the map as the current step began; undo goes back to it
    int column_ = 0, row_ = 0;  // the cell of the last click
};

}  // namespace kvd
