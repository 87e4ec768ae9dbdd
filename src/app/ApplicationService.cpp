#include "app/ApplicationService.h"

#include "ui/ApplicationInfo.h"

QString ApplicationService::serviceName()
{
    return QString::fromLatin1(ApplicationInfo::id);
}

QString ApplicationService::objectPath()
{
    return QLatin1Char('/') + serviceName().replace(QLatin1Char('.'), QLatin1Char('/'));
}

void ApplicationService::Activate(const QVariantMap& /*platformData*/)
{
    Q_EMIT activated();
}

void ApplicationService::Open(const QStringList& uris, const QVariantMap& /*platformData*/)
{
    Q_EMIT openRequested(uris);
}

void ApplicationService::ActivateAction(const QString& /*actionName*/, const QVariantList& /*parameter*/,
                                        const QVariantMap& /*platformData*/)
{
    Q_EMIT activated();
}
