#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "settings/client_id.h"

using namespace ostrima;

namespace {

void put(const QString& root, const QString& path, const QByteArray& content)
{
    const QString full = QDir(root).filePath(path);
    QDir().mkpath(QFileInfo(full).path());
    QFile f(full);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

TEST(ClientId, FirstPhysicalDiskSerialElseMachineId)
{
    QTemporaryDir root;
    put(root.path(), QStringLiteral("etc/machine-id"), "0123456789abcdef\n");
    put(root.path(), QStringLiteral("sys/block/loop0/serial"), "LOOPSERIAL\n");
    QDir().mkpath(QDir(root.path()).filePath(QStringLiteral("sys/block/vda")));
    // A first disk that exposes no serial: the machine id.
    EXPECT_EQ(machineClientId(root.path()), QStringLiteral("0123456789abcdef"));

    put(root.path(), QStringLiteral("sys/block/vda/serial"), "BTWA12345 \n");
    put(root.path(), QStringLiteral("sys/block/vdb/serial"), "SECOND\n");
    EXPECT_EQ(machineClientId(root.path()), QStringLiteral("BTWA12345"));

    put(root.path(), QStringLiteral("sys/block/nvme0n1/device/serial"), "S4EWNX0N\n");
    EXPECT_EQ(machineClientId(root.path()), QStringLiteral("S4EWNX0N"));
}

} // namespace
