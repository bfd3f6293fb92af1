#pragma once
// The course dial: the compass picture with the arrow at the angle its tag gives (percent of a
// full circle).
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <string>

namespace kv {

class ProbeDial : public QWidget {
    Q_OBJECT
public:
    explicit ProbeDial(QWidget* parent = nullptr);

    // The compass picture, and `tag`, which reads the course gauge's tag each time the dial is
    // painted.
    void Setup(const QPixmap& compass, std::function<std::string()> tag);
    // Draws the dial; its window's paint handler, when set (paint), calls it.
    void Draw();
    std::function<void()> paint;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPixmap compass_;
    std::function<std::string()> tag_;
};

}  // namespace kv
