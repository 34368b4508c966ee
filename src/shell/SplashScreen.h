// SplashScreen: the splash window shown while the program starts; it closes itself after a few seconds.
#pragma once

#include <QDialog>

class QLabel;
class QTimer;

class SplashScreen : public QDialog {
    Q_OBJECT
public:
    explicit SplashScreen(QWidget* parent = nullptr);

    // 3000 ms, or LEXIKITE_SPLASH_MS (0 to 60000) so tests and benchmarks need not wait.
    static int displayMs();
    // The splash picture: the artwork's when it is built in, else a kite drawn here.
    static QPixmap picture(const QSize& size);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QLabel* iconLabel_ = nullptr;
    QLabel* companyLabel_ = nullptr;
    QLabel* copyrightLabel_ = nullptr;
    QLabel* versionLabel_ = nullptr;
    QTimer* closeTimer_ = nullptr;
};
