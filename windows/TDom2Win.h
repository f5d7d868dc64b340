#pragma once
// The mapper's domain window: an ordinary plane window (equations, inventory, documents)
// with map records, the active map, the grid of records 0 and 1 and the two mouse modes
// that send points to the range window. Its mode (plane (x, y) or complex z) decides the
// kind of new maps and the extension of its documents, .ma2 or .maz.
#include "text/TDataWin.h"
#include "text/TTableWin.h"
#include "windows/MapGrid.h"
#include "windows/TMap2Win.h"

#include <memory>

namespace korvane {

class TRan2Win;

class TDom2Win : public TMap2Win {
public:
    TDom2Win(platform::Platform& platform, const WindowOptions& options, platform::Window* owner);
    ~TDom2Win() override;

    std::string SettingsFileName() const override { return "dom2.ini"; }
    std::int32_t SettingsIdentifier() const override { return kDomainIdentifier; }
    std::string DocumentExtension() const override { return ComplexMode() ? "maz" : "ma2"; }
    std::string DocumentFilter() const override;

    bool ComplexMode() const { return context_.complexMode; }
    int ActiveMapIndex() const { return activeMap_; }
    // The active map record when it is compiled and of the mode's kind, else null.
    const ExampleRecord* ActiveMap() const;
    TRan2Win* Range() const;
    // Links the pair, fits the range window to the grid's image and draws it.
    void AttachRange(TRan2Win& range);

    // 410 / 411 after the save question: an empty document of that mode.
    void NewMapperDocument(bool complex);
    // 1102: a new map record of the mode's kind, edited at once; its index, or -1 when
    // cancelled (no record is left) or refused.
    int NewMap();
    void EditGrid();
    MapGrid Grid() const { return ReadGridRecords(examples_); }
    void SetGrid(const MapGrid& grid);
    // The grid nodes and their images, one line each ("tabela").
    std::string GridTableText();
    // The range window's view around the images of the grid nodes; false when no node
    // has an image (the view is then left alone).
    bool FitRange();
    // The domain's examples with their marks drawn onto the range window's surface in its
    // view, each point through the active map.
    int DrawMapped(platform::Surface& surface, const View& view, TPreWin& painter);
    // What the tools draw over the domain, through the map the same way.
    void DrawMappedOverlay(platform::Surface& surface, const View& view, TPreWin& painter);
    // The title the range window shows: "contradomínio [" + this title + "]".
    std::string RangeTitle() const;
    void RefreshRange();

    // The text windows "tabela" (873) and "data" (the Jacobian); null before first use.
    TTableWin* TableWindow() const { return tableWindow_.get(); }
    TDataWin* DataWindow() const { return dataWindow_.get(); }

    void OnCommand(int id) override;
    void OnDestroy() override;
    void DrawBase(platform::Surface& surface) override;
    void DrawOverlay(platform::Surface& surface) override;
    void ExamplesChanged() override;
    int EditExample(int index, bool isNew) override;
    void LettersAnimated() override;

protected:
    void OnModeMouse(const platform::MouseEvent& mouse) override;
    void AfterDocumentChanged() override;

private:
    PlaneDrawContext MappedContext(platform::Surface& surface, const View& view, TPreWin& painter);
    void SetUpMapperState();
    void InstallGrid(const MapGrid& grid);
    void FreehandMouse(const platform::MouseEvent& mouse);
    void CursorMouse(const platform::MouseEvent& mouse);
    void ShowJacobian(platform::Point at);
    void SendPoint(platform::Point at, bool end);
    void ShowTable();

    std::unique_ptr<TTableWin> tableWindow_;
    std::unique_ptr<TDataWin> dataWindow_;
    int activeMap_ = -1;
    bool tracking_ = false;
};

} // namespace korvane
