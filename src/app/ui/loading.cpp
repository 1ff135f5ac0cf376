#include "app/ui/loading.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

#include "app/makerInfo.h"
#include "platform/registryStore.h"
#include "platform/ui/windowPlacement.h"

namespace pos {

TF_Loading::TF_Loading(QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setFixedSize(700, 323);
    lMsg = new QLabel(this);
    QFont f = lMsg->font();
    f.setBold(true);
    f.setPointSize(11);
    lMsg->setFont(f);
    lMsg->setStyleSheet("color: white; background: transparent;");
    lMsg->setGeometry(380, 270, 300, 30);
    lMsg->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Timer1 = new QTimer(this);
    connect(Timer1, &QTimer::timeout, this, &TF_Loading::tick);
}

void TF_Loading::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (state_ != 0) return;
    // Dates and times are always written "yyyy-MM-dd" and "HH:mm:ss" by the
    // clock's own formatting; nothing follows the system's regional settings.
    setWindowTitle(QString(kMaker.shortestName) + kProductTitle);
    centerOnScreen(*this);
    Timer1->start(1000);
    lMsg->setText("正在装载系统......");
    RegistryStore registry;
    writeCompatibilityFlag(registry, QCoreApplication::applicationFilePath().toStdString());
    state_ = 1;
}

void TF_Loading::tick() {
    if (state_ == 3) {
        Timer1->stop();
        accept();
    } else if (state_ == 2) {
        lMsg->setText("系统即将启动......");
        state_ = 3;
    } else if (state_ == 1) {
        lMsg->setText("正在设置环境参数......");
        state_ = 2;
    }
}

void TF_Loading::paintEvent(QPaintEvent*) {
    // Our own picture: a gradient with the product's name.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, width(), height());
    g.setColorAt(0, QColor(18, 94, 150));
    g.setColorAt(1, QColor(20, 150, 140));
    p.fillRect(rect(), g);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawEllipse(QPoint(600, 60), 170, 170);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawRoundedRect(QRect(60, 95, 56, 56), 10, 10);
    p.setBrush(QColor(20, 150, 140));
    p.drawRect(QRect(83, 103, 10, 40));
    p.drawRect(QRect(68, 118, 40, 10));
    p.setPen(Qt::white);
    QFont title = font();
    title.setPointSize(28);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(135, 88, 540, 50), Qt::AlignLeft | Qt::AlignVCenter, kProductTitle);
    QFont sub = font();
    sub.setPointSize(12);
    p.setFont(sub);
    p.drawText(QRect(137, 140, 540, 30), Qt::AlignLeft | Qt::AlignVCenter,
               QString(kMaker.fullName) + "  " + kMaker.version);
    p.drawText(QRect(20, 275, 360, 25), Qt::AlignLeft | Qt::AlignVCenter,
               QString("服务热线：") + kMaker.hotline);
}

}  // namespace pos
