#pragma once

#include <functional>
#include <memory>
#include <string>

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPrinter;
class QPrintPreviewWidget;
class QPushButton;

namespace tkv {

class ListReport;
class RegistryStore;

// "印刷 - ﾌﾟﾚﾋﾞｭｰ": the one preview window of every printed list. It shows
// the pages of a report, pages and zooms through them, changes the printer
// set-up and prints. The window that asked for the preview stays disabled
// until it closes.
class TPreviewForm final : public QWidget {
    Q_OBJECT
public:
    explicit TPreviewForm(QWidget* parent = nullptr);
    ~TPreviewForm() override;

    // Restores the window's place (and size when `withSize`) from the
    // "Position" values of its class; they are saved again as it closes.
    void setPlacementStore(RegistryStore* registry, std::string startUser, bool withSize);
    void setEscapeAction(std::function<void()> action);
    // Whether a system printer exists; without one, printing asks for a PDF
    // file instead. Replaceable for tests.
    void setPrinterProbe(std::function<bool()> probe);

    // Shows `report` and keeps it until the window closes; `issuer` is
    // disabled meanwhile.
    void preview(std::unique_ptr<ListReport> report, QWidget* issuer);

    int pageCount() const;
    int currentPage() const;
    QPrinter& printer() const { return *m_printer; }
    ListReport* report() const { return m_report.get(); }

    // The commands of the buttons.
    void PrintButtonClick();
    void SetupButtonClick();
    void PrePageButtonClick();
    void NextPageButtonClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void onShow();
    void applyMargins();
    void zoomChanged(int index);
    void refreshPageControls();
    void paintPages(QPrinter* printer);
    bool printToPdf();
    void savePlacement();

    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<ListReport> m_report;
    QWidget* m_issuer = nullptr;
    RegistryStore* m_registry = nullptr;
    std::string m_startUser;
    std::function<void()> m_escape;
    std::function<bool()> m_printerProbe;

    QPushButton* m_print = nullptr;
    QComboBox* m_zoom = nullptr;
    QPushButton* m_setup = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_prePage = nullptr;
    QPushButton* m_nextPage = nullptr;
    QLineEdit* m_pageNumber = nullptr;
    QPrintPreviewWidget* m_preview = nullptr;
};

}  // namespace tkv
