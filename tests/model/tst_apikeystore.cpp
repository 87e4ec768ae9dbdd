#include "ApiKeyStore.h"
#include "TempTree.h"

#include <QFile>
#include <QTest>

class TestApiKeyStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keyPersistsAsTypedInAnOwnerOnlyFile()
    {
        TempTree tree;
        const QString file = tree.path(QStringLiteral("conf/settings.ini"));
        const auto othersMode = [&file] {
            return QFile(file).permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser);
        };
        const auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        {
            ApiKeyStore store(file);
            QCOMPARE(store.apiKey(), QString());
            store.setApiKey(QStringLiteral("first"));
            QCOMPARE(othersMode(), ownerOnly);
            // A later save narrows a file that was opened up meanwhile.
            QFile::setPermissions(file, ownerOnly | QFileDevice::ReadOther | QFileDevice::ReadGroup);
            store.setApiKey(QStringLiteral(" key with space \n"));
            QCOMPARE(othersMode(), ownerOnly);
        }
        QCOMPARE(ApiKeyStore(file).apiKey(), QStringLiteral(" key with space \n"));
    }
};

QTEST_GUILESS_MAIN(TestApiKeyStore)
#include "tst_apikeystore.moc"
