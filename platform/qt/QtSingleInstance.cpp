#include "platform/qt/QtSingleInstance.h"

#include <QEventLoop>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <optional>

namespace korvane::platform {
namespace {

constexpr int kConnectMs = 1000;
constexpr int kAnswerMs = 3000;
constexpr char kReceived = 'K';
constexpr std::uint32_t kLongestPath = 1u << 16;

QByteArray Message(const std::string& path) {
    QByteArray bytes;
    const auto length = std::uint32_t(path.size());
    for (int i = 0; i < 4; ++i)
        bytes.append(char((length >> (8 * i)) & 0xFF));
    bytes.append(path.data(), qsizetype(path.size()));
    return bytes;
}

// The length prefix of a message, once its four bytes are there.
std::optional<std::uint32_t> LengthOf(const QByteArray& bytes) {
    if (bytes.size() < 4)
        return std::nullopt;
    std::uint32_t length = 0;
    for (int i = 0; i < 4; ++i)
        length |= std::uint32_t(static_cast<unsigned char>(bytes[i])) << (8 * i);
    return length;
}

} // namespace

QtSingleInstance::~QtSingleInstance() {
    if (server_)
        server_->close();
    delete server_.data();
}

InstanceRole QtSingleInstance::Claim(const std::string& path, std::function<void(const std::string&)> deliver) {
    deliver_ = std::move(deliver);
    // Two rounds: another start may begin listening between our look and our listen.
    for (int attempt = 0; attempt < 2; ++attempt) {
        switch (TryHandOver(path)) {
        case HandOver::Delivered: return InstanceRole::HandedOver;
        case HandOver::NoAnswer: return InstanceRole::Failed;
        case HandOver::NoServer: break;
        }
        if (Listen())
            return InstanceRole::First;
    }
    // Neither reachable nor claimable: run alone rather than not at all.
    return InstanceRole::First;
}

QtSingleInstance::HandOver QtSingleInstance::TryHandOver(const std::string& path) {
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(name_));
    if (!socket.waitForConnected(kConnectMs))
        return HandOver::NoServer;
    socket.write(Message(path));
    socket.flush();
    // Wait in a local loop, not a blocking read: the running instance may share this thread.
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QLocalSocket::readyRead, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QLocalSocket::disconnected, &loop, &QEventLoop::quit);
    timeout.start(kAnswerMs);
    while (timeout.isActive() && socket.bytesAvailable() == 0 && socket.state() == QLocalSocket::ConnectedState)
        loop.exec();
    const QByteArray answer = socket.read(1);
    socket.disconnectFromServer();
    return answer.size() == 1 && answer[0] == kReceived ? HandOver::Delivered : HandOver::NoAnswer;
}

bool QtSingleInstance::Listen() {
    const QString name = QString::fromStdString(name_);
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    bool listening = server->listen(name);
    if (!listening && server->serverError() == QAbstractSocket::AddressInUseError) {
        // A socket file left by an instance that crashed answers nobody: clear it.
        QLocalSocket probe;
        probe.connectToServer(name);
        if (probe.waitForConnected(kConnectMs))
            return false;
        QLocalServer::removeServer(name);
        listening = server->listen(name);
    }
    if (!listening)
        return false;
    QLocalServer* raw = server.release();
    QObject::connect(raw, &QLocalServer::newConnection, raw, [this, raw] {
        while (QLocalSocket* socket = raw->nextPendingConnection())
            Accept(socket);
    });
    server_ = raw;
    return true;
}

void QtSingleInstance::Accept(QLocalSocket* socket) {
    auto buffer = std::make_shared<QByteArray>();
    QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket, buffer] {
        buffer->append(socket->readAll());
        const std::optional<std::uint32_t> length = LengthOf(*buffer);
        if (!length)
            return;
        if (*length > kLongestPath) { // not one of ours
            socket->abort();
            return;
        }
        if (buffer->size() < qsizetype(4 + *length))
            return;
        const std::string path(buffer->constData() + 4, *length);
        buffer->clear();
        socket->write(QByteArray(1, kReceived));
        socket->flush();
        // Deliver from the loop, not from inside the socket's signal.
        auto deliver = deliver_;
        QTimer::singleShot(0, [deliver, path] {
            if (deliver)
                deliver(path);
        });
    });
}

} // namespace korvane::platform
