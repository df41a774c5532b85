#include "reports/ui/preview_form.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QtTest>

#include "base/clock.h"
#include "base/registry_store.h"
#include "base/test_folder.h"
#include "platform/file_dialog.h"
#include "platform/fonts.h"
#include "platform/message_box.h"
#include "reports/ui/fake_list.h"
#include "settings/settings.h"
#include "settings/window_placement.h"

namespace tkv {

using test::FakeList;

class PreviewFormTest final : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::InstallFontSubstitutions(); }
    void init();
    void cleanup();
    void controlsAndZoomList();
    void onePageShowsNoPageControls();
    void threePagesStepThrough();
    void issuerIsDisabledWhileOpen();
    void orientationFollowsTheListSetting();
    void printingWithoutPrinterWritesPdf();
    void pdfThatCannotBeWrittenIsReported();
    void placementIsSavedUnderTheClassName();

private:
    std::unique_ptr<ListReport> list(int records) const {
        return std::make_unique<FakeList>(m_settings, m_clock, records);
    }
    template <class T>
    T* child(const char* name) const {
        T* w = m_form->findChild<T*>(name);
        if (w == nullptr)
            qFatal("no child %s", name);
        return w;
    }

    Settings m_settings;
    FixedClock m_clock{{2004, 4, 2, 9, 0, 0}};
    std::unique_ptr<TPreviewForm> m_form;
};

void PreviewFormTest::init() {
    platform::testing::NeverShowMessages(true);
    m_settings = Settings{};
    m_form = std::make_unique<TPreviewForm>();
    m_form->setPrinterProbe([] { return false; });
}

void PreviewFormTest::cleanup() {
    m_form.reset();
    platform::testing::ResetMessageHook();
    platform::testing::ResetFileHook();
}

void PreviewFormTest::controlsAndZoomList() {
    m_form->preview(list(3), nullptr);
    QCOMPARE(m_form->windowTitle(), QString("印刷 - ﾌﾟﾚﾋﾞｭｰ"));
    QCOMPARE(child<QPushButton>("PrintButton")->text(), QString("印刷開始"));
    QCOMPARE(child<QPushButton>("SetupButton")->text(), QString("ﾌﾟﾘﾝﾀ設定..."));
    QCOMPARE(child<QPushButton>("CancelButton")->text(), QString("閉じる"));
    auto* zoom = child<QComboBox>("ZoomComboBox");
    QCOMPARE(zoom->count(), 10);
    QCOMPARE(zoom->itemText(0), QString("500%"));
    QCOMPARE(zoom->itemText(7), QString("10%"));
    QCOMPARE(zoom->currentText(), QString("ﾍﾟｰｼﾞ幅を基準に"));
    auto* preview = child<QPrintPreviewWidget>("QRPreview");
    QCOMPARE(preview->zoomMode(), QPrintPreviewWidget::FitToWidth);
    zoom->setCurrentIndex(3);
    QCOMPARE(preview->zoomMode(), QPrintPreviewWidget::CustomZoom);
    QCOMPARE(preview->zoomFactor(), 1.0);
    zoom->setCurrentIndex(9);
    QCOMPARE(preview->zoomMode(), QPrintPreviewWidget::FitInView);
    // Shown again, the list is back on the page width.
    m_form->close();
    m_form->preview(list(3), nullptr);
    QCOMPARE(zoom->currentIndex(), 8);
}

void PreviewFormTest::onePageShowsNoPageControls() {
    m_form->preview(list(10), nullptr);
    QCOMPARE(m_form->pageCount(), 1);
    QVERIFY(!child<QPushButton>("PrePageButton")->isVisible());
    QVERIFY(!child<QPushButton>("NextPageButton")->isVisible());
    QVERIFY(!child<QLineEdit>("PageNumberMemo")->isVisible());
}

void PreviewFormTest::threePagesStepThrough() {
    m_form->preview(list(100), nullptr);  // 40 + 40 + 20 lines
    QCOMPARE(m_form->pageCount(), 3);
    auto* pre = child<QPushButton>("PrePageButton");
    auto* next = child<QPushButton>("NextPageButton");
    auto* number = child<QLineEdit>("PageNumberMemo");
    QVERIFY(pre->isVisible() && next->isVisible() && number->isVisible());
    QCOMPARE(number->text(), QString("1/3"));
    QVERIFY(!pre->isEnabled());
    QVERIFY(next->isEnabled());

    next->click();
    QCOMPARE(number->text(), QString("2/3"));
    QVERIFY(pre->isEnabled() && next->isEnabled());
    next->click();
    QCOMPARE(m_form->currentPage(), 3);
    QCOMPARE(number->text(), QString("3/3"));
    QVERIFY(pre->isEnabled());
    QVERIFY(!next->isEnabled());
    pre->click();
    QCOMPARE(number->text(), QString("2/3"));
}

void PreviewFormTest::issuerIsDisabledWhileOpen() {
    QWidget issuer;
    issuer.show();
    m_form->preview(list(3), &issuer);
    QVERIFY(!issuer.isEnabled());
    QVERIFY(m_form->isEnabled());
    QVERIFY(m_form->report() != nullptr);
    child<QPushButton>("CancelButton")->click();
    QVERIFY(issuer.isEnabled());
    QVERIFY(!m_form->isVisible());
    QVERIFY(m_form->report() == nullptr);  // released with the window
}

void PreviewFormTest::orientationFollowsTheListSetting() {
    m_settings.ZangyoPrintMuki = PageOrientation::Landscape;
    m_form->preview(list(3), nullptr);
    QCOMPARE(m_form->printer().pageLayout().orientation(), QPageLayout::Landscape);
    m_form->close();
    m_settings.ZangyoPrintMuki = PageOrientation::Portrait;
    m_form->preview(list(3), nullptr);
    QCOMPARE(m_form->printer().pageLayout().orientation(), QPageLayout::Portrait);
    // Any other value leaves the paper as it lies.
    m_form->close();
    m_settings.ZangyoPrintMuki = PageOrientation::Landscape;
    m_form->preview(list(3), nullptr);
    m_form->close();
    m_settings.ZangyoPrintMuki = static_cast<PageOrientation>(7);
    m_form->preview(list(3), nullptr);
    QCOMPARE(m_form->printer().pageLayout().orientation(), QPageLayout::Landscape);
}

void PreviewFormTest::printingWithoutPrinterWritesPdf() {
    test::TestFolder folder;
    const QString path = QString::fromStdString(folder.file("list.pdf"));
    m_form->preview(list(100), nullptr);
    platform::testing::QueueFileAnswer(path);
    child<QPushButton>("PrintButton")->click();
    const auto asked = platform::testing::TakeFileLog();
    QCOMPARE(asked.size(), std::size_t{1});
    QCOMPARE(asked[0].fileName, QString("fake list.pdf"));
    QVERIFY(platform::testing::TakeMessageLog().empty());
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF-"));
    QVERIFY(bytes.contains("/Count 3"));

    // Cancelling the file question prints nothing.
    platform::testing::QueueFileAnswer(QString());
    child<QPushButton>("PrintButton")->click();
    QVERIFY(platform::testing::TakeMessageLog().empty());
}

void PreviewFormTest::pdfThatCannotBeWrittenIsReported() {
    test::TestFolder folder;
    const QString path = QString::fromStdString(folder.file("missing/list.pdf"));
    m_form->preview(list(3), nullptr);
    platform::testing::QueueFileAnswer(path);
    child<QPushButton>("PrintButton")->click();
    const auto messages = platform::testing::TakeMessageLog();
    QCOMPARE(messages.size(), std::size_t{1});
    QCOMPARE(messages[0].caption, QString("ﾌﾟﾘﾝﾀｴﾗｰ"));
    QVERIFY(messages[0].text.contains(path));
    QVERIFY(!QFile::exists(path));
}

void PreviewFormTest::placementIsSavedUnderTheClassName() {
    IniRegistryStore registry;
    m_form->setPlacementStore(&registry, "", true);
    m_form->preview(list(3), nullptr);
    m_form->resize(640, 500);
    m_form->close();
    const WindowPlacementStore placement(registry, "");
    QCOMPARE(placement.read("Width.TPreviewForm").value_or(0), 640);
    QCOMPARE(placement.read("Height.TPreviewForm").value_or(0), 500);

    TPreviewForm again;
    again.setPlacementStore(&registry, "", true);
    QCOMPARE(again.size(), QSize(640, 500));
}

}  // namespace tkv

QTEST_MAIN(tkv::PreviewFormTest)
#include "preview_form_test.moc"
