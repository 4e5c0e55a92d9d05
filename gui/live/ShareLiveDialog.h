#pragma once

#include <QDialog>
#include <QImage>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

// A QR code of `text` for a phone's camera: black modules on white with the quiet zone around
// them, each module `scale` pixels square. A null image when the text does not fit a code.
QImage qrCodeImage(const QString& text, int scale = 6);

// The addresses a live page may listen on: this computer alone first, then each IPv4 address of
// the computer's network interfaces that are up, as (address, caption) pairs.
QList<QPair<QString, QString>> livePageAddresses();

// File > Share Live Page: picks the address and port, starts the live page, then shows its address
// and a QR code for phones, and stops it. The main window does the serving: `start` answers the
// page's address, or "" after it has said why it could not; `stop` stops it.
class ShareLiveDialog : public QDialog
{
    Q_OBJECT

public:
    using Start = std::function<QString(const QString& address, int port)>;
    ShareLiveDialog(const QList<QPair<QString, QString>>& addresses, const QString& runningUrl, Start start,
                    std::function<void()> stop, QWidget* parent = nullptr);

private:
    void startSharing();
    void stopSharing();
    void showRunning(const QString& url);

    Start m_start;
    std::function<void()> m_stop;
    QComboBox* m_addressBox = nullptr;
    QSpinBox* m_portBox = nullptr;
    QPushButton* m_startButton = nullptr;
    QPushButton* m_stopButton = nullptr;
    QLabel* m_urlLabel = nullptr;
    QLabel* m_qrLabel = nullptr;
    QLabel* m_warningLabel = nullptr;
};
