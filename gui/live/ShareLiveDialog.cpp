#include "gui/live/ShareLiveDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHostAddress>
#include <QLabel>
#include <QNetworkInterface>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <qrencode.h>

QImage qrCodeImage(const QString& text, int scale)
{
    const QByteArray bytes = text.toUtf8();
    QRcode* code = QRcode_encodeString(bytes.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1);
    if (!code)
        return QImage();
    // The four-module quiet zone a reader needs to find the code.
    constexpr int kQuietZone = 4;
    const int size = (code->width + 2 * kQuietZone) * scale;
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < code->width; ++y) {
        for (int x = 0; x < code->width; ++x) {
            // Bit 0 of each byte is the module's colour; the other bits describe its role.
            if (code->data[y * code->width + x] & 1)
                painter.fillRect((x + kQuietZone) * scale, (y + kQuietZone) * scale, scale, scale, Qt::black);
        }
    }
    QRcode_free(code);
    return image;
}

QList<QPair<QString, QString>> livePageAddresses()
{
    QList<QPair<QString, QString>> addresses { { QStringLiteral("127.0.0.1"),
                                                 ShareLiveDialog::tr("This computer only (127.0.0.1)") } };
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) || flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            const QHostAddress ip = entry.ip();
            if (ip.protocol() == QAbstractSocket::IPv4Protocol && !ip.isLoopback())
                addresses.append({ ip.toString(),
                                   ShareLiveDialog::tr("%1 (%2, readable by anyone on that network)")
                                       .arg(ip.toString(), interface.humanReadableName()) });
        }
    }
    return addresses;
}

ShareLiveDialog::ShareLiveDialog(const QList<QPair<QString, QString>>& addresses, const QString& runningUrl,
                                 Start start, std::function<void()> stop, QWidget* parent)
    : QDialog(parent)
    , m_start(std::move(start))
    , m_stop(std::move(stop))
{
    setObjectName(QStringLiteral("shareLiveDialog"));
    setWindowTitle(tr("Share Live Page"));

    m_addressBox = new QComboBox(this);
    m_addressBox->setObjectName(QStringLiteral("addressBox"));
    m_addressBox->setAccessibleName(tr("Network address"));
    for (const auto& [address, caption] : addresses)
        m_addressBox->addItem(caption, address);

    m_portBox = new QSpinBox(this);
    m_portBox->setObjectName(QStringLiteral("portBox"));
    m_portBox->setAccessibleName(tr("Port"));
    m_portBox->setRange(1024, 65535);
    m_portBox->setValue(8080);

    auto* form = new QFormLayout;
    auto* addressLabel = new QLabel(tr("&Address:"), this);
    addressLabel->setBuddy(m_addressBox);
    auto* portLabel = new QLabel(tr("&Port:"), this);
    portLabel->setBuddy(m_portBox);
    form->addRow(addressLabel, m_addressBox);
    form->addRow(portLabel, m_portBox);

    m_warningLabel
        = new QLabel(tr("A page on a network address can be read by anyone on that network. It shows results only; "
                        "nobody can change anything through it."),
                     this);
    m_warningLabel->setObjectName(QStringLiteral("warningLabel"));
    m_warningLabel->setAccessibleName(tr("Warning"));
    m_warningLabel->setWordWrap(true);

    m_urlLabel = new QLabel(this);
    m_urlLabel->setObjectName(QStringLiteral("urlLabel"));
    m_urlLabel->setAccessibleName(tr("Live page address"));
    m_urlLabel->setTextInteractionFlags(Qt::TextBrowserInteraction);
    m_urlLabel->setOpenExternalLinks(true);

    m_qrLabel = new QLabel(this);
    m_qrLabel->setObjectName(QStringLiteral("qrLabel"));
    m_qrLabel->setAccessibleName(tr("QR code of the live page address"));
    m_qrLabel->setAlignment(Qt::AlignCenter);

    m_startButton = new QPushButton(tr("&Start"), this);
    m_startButton->setObjectName(QStringLiteral("startButton"));
    m_startButton->setAccessibleName(tr("Start"));
    m_startButton->setDefault(true);
    connect(m_startButton, &QPushButton::clicked, this, &ShareLiveDialog::startSharing);

    m_stopButton = new QPushButton(tr("S&top"), this);
    m_stopButton->setObjectName(QStringLiteral("stopButton"));
    m_stopButton->setAccessibleName(tr("Stop"));
    connect(m_stopButton, &QPushButton::clicked, this, &ShareLiveDialog::stopSharing);

    auto* closeButton = new QPushButton(tr("&Close"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setAccessibleName(tr("Close"));
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_startButton);
    buttons->addWidget(m_stopButton);
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_warningLabel);
    layout->addWidget(m_urlLabel);
    layout->addWidget(m_qrLabel);
    layout->addLayout(buttons);
    showRunning(runningUrl);
}

void ShareLiveDialog::startSharing()
{
    const QString url = m_start(m_addressBox->currentData().toString(), m_portBox->value());
    if (!url.isEmpty())
        showRunning(url);
}

void ShareLiveDialog::stopSharing()
{
    m_stop();
    showRunning(QString());
}

// With an address: it and its QR code, and Stop; without: the choices and Start.
void ShareLiveDialog::showRunning(const QString& url)
{
    const bool running = !url.isEmpty();
    m_addressBox->setEnabled(!running);
    m_portBox->setEnabled(!running);
    m_startButton->setEnabled(!running);
    m_stopButton->setEnabled(running);
    // The address as a link a click opens; markup, not words to translate.
    const QString link = running ? QStringLiteral("<a href=\"%1\">%1</a>").arg(url.toHtmlEscaped()) : QString();
    m_urlLabel->setText(link);
    m_qrLabel->setPixmap(running ? QPixmap::fromImage(qrCodeImage(url)) : QPixmap());
    m_qrLabel->setVisible(running);
    if (running)
        m_stopButton->setFocus();
}
