#pragma once

// Proxies as the system configures them, except for loopback addresses, which no proxy can reach on
// our behalf (the local service and the tests' own server).

#include <QNetworkProxyFactory>

class SystemProxyFactory : public QNetworkProxyFactory
{
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override;
};
