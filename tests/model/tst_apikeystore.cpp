#include "ApiKeyStore.h"
#include "TempTree.h"

#include <QFile>
#include <QTest>

class TestApiKeyStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void absentKeyIsEmptyAndWritesPersist()
    {
        TempTree tree;
        const QString file = tree.path(QStringLiteral("conf/settings.ini"));
        {
            ApiKeyStore store(file);
            QCOMPARE(store.apiKey(), QString());
            store.setApiKey(QStringLiteral(" key with space \n"));
        }
        ApiKeyStore reopened(file);
        QCOMPARE(reopened.apiKey(), QStringLiteral(" key with space \n"));
    }

    void fileIsOwnerOnlyAfterEverySave()
    {
        TempTree tree;
        const QString file = tree.path(QStringLiteral("settings.ini"));
        ApiKeyStore store(file);
        store.setApiKey(QStringLiteral("first"));
        const auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        QCOMPARE(QFile(file).permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser), ownerOnly);
        QFile::setPermissions(file, ownerOnly | QFileDevice::ReadOther | QFileDevice::ReadGroup);
        store.setApiKey(QStringLiteral("second"));
        QCOMPARE(QFile(file).permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser), ownerOnly);
        QCOMPARE(ApiKeyStore(file).apiKey(), QStringLiteral("second"));
    }
};

QTEST_GUILESS_MAIN(TestApiKeyStore)
#include "tst_apikeystore.moc"
