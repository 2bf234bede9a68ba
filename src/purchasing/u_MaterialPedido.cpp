#include "purchasing/u_MaterialPedido.h"

QString TextoDoMaterial(const QStringList& linhas)
{
    QString texto;
    for (const QString& linha : linhas)
        texto += linha + QStringLiteral("\r\n");
    return texto;
}

QStringList LinhasDoMaterial(const QString& texto)
{
    QStringList linhas;
    int inicio = 0;
    for (int fim = texto.indexOf(QLatin1Char('#')); fim >= 0; fim = texto.indexOf(QLatin1Char('#'), inicio)) {
        QString pedaco = texto.mid(inicio, fim + 1 - inicio);
        // só a quebra que separa do "#" anterior sai; o texto do material fica como foi digitado
        if (pedaco.startsWith(QLatin1String("\r\n")))
            pedaco.remove(0, 2);
        else if (pedaco.startsWith(QLatin1Char('\n')) || pedaco.startsWith(QLatin1Char('\r')))
            pedaco.remove(0, 1);
        linhas << pedaco;
        inicio = fim + 1;
    }
    return linhas;
}
