// A window painted in one solid colour under a known title, so a test can find it on the
// screen from outside the process: x11_smoke_window TITLE #RRGGBB
#include <QApplication>
#include <QColor>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

namespace {

class SolidWindow : public QWidget {
public:
    explicit SolidWindow(QColor colour) : colour_(colour) {}

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter(this).fillRect(event->rect(), colour_);
    }

private:
    QColor colour_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3 || !QColor::isValidColorName(arguments[2])) {
        qCritical("usage: x11_smoke_window TITLE #RRGGBB");
        return 2;
    }
    SolidWindow window(QColor::fromString(arguments[2]));
    window.setWindowTitle(arguments[1]);
    window.resize(360, 240);
    window.show();
    return QApplication::exec();
}
