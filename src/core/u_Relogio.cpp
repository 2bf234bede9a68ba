#include "core/u_Relogio.h"

#include <QCoreApplication>
#include <QDir>
#include <QSysInfo>

namespace {
QDateTime g_momentoFixo;
QString g_estacaoFixa;
QString g_pastaFixa;
} // namespace

QDate Hoje()
{
    return Agora().date();
}

QDateTime Agora()
{
    return g_momentoFixo.isValid() ? g_momentoFixo : QDateTime::currentDateTime();
}

QString NomeDaEstacao()
{
    if (!g_estacaoFixa.isEmpty())
        return g_estacaoFixa;
    // o nome do computador do original cabia em 260 caracteres
    return QSysInfo::machineHostName().left(260);
}

void FixarRelogio(const QDateTime& momento)
{
    g_momentoFixo = momento;
}

void FixarNomeDaEstacao(const QString& nome)
{
    g_estacaoFixa = nome;
}

QString PastaAplicacao()
{
    QString pasta = g_pastaFixa.isEmpty() ? QCoreApplication::applicationDirPath() : g_pastaFixa;
    if (!pasta.endsWith(QLatin1Char('/')))
        pasta += QLatin1Char('/');
    return pasta;
}

void FixarPastaAplicacao(const QString& pasta)
{
    g_pastaFixa = pasta;
}
