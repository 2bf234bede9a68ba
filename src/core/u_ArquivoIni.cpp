#include "core/u_ArquivoIni.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

TArquivoIni::TArquivoIni(const QString& caminho) : m_caminho(caminho)
{
}

bool TArquivoIni::existe() const
{
    return QFileInfo(m_caminho).isFile();
}

QStringList TArquivoIni::lerLinhas() const
{
    QFile arquivo(m_caminho);
    if (!arquivo.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = arquivo.readAll();
    // arquivos vindos do Windows costumam estar em ANSI; UTF-8 inválido é lido como Latin-1
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString texto = utf8.decode(bytes);
    if (utf8.hasError())
        texto = QString::fromLatin1(bytes);
    if (texto.startsWith(QChar(0xFEFF)))
        texto.remove(0, 1);
    texto.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return texto.split(QLatin1Char('\n'));
}

static bool ehSecao(const QString& linha, QString* nome)
{
    const QString t = linha.trimmed();
    if (t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']'))) {
        if (nome)
            *nome = t.mid(1, t.size() - 2).trimmed();
        return true;
    }
    return false;
}

QString TArquivoIni::ler(const QString& secao, const QString& chave, const QString& padrao) const
{
    bool naSecao = false;
    for (const QString& linha : lerLinhas()) {
        QString nome;
        if (ehSecao(linha, &nome)) {
            naSecao = nome.compare(secao, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!naSecao)
            continue;
        const int igual = linha.indexOf(QLatin1Char('='));
        if (igual <= 0)
            continue;
        if (linha.left(igual).trimmed().compare(chave, Qt::CaseInsensitive) == 0)
            return linha.mid(igual + 1).trimmed();
    }
    return padrao;
}

bool TArquivoIni::gravar(const QString& secao, const QString& chave, const QString& valor)
{
    QStringList linhas = existe() ? lerLinhas() : QStringList();
    while (!linhas.isEmpty() && linhas.last().trimmed().isEmpty())
        linhas.removeLast();
    const QString nova = chave + QLatin1Char('=') + valor;
    int inicioSecao = -1;
    int fimSecao = linhas.size();
    for (int i = 0; i < linhas.size(); ++i) {
        QString nome;
        if (ehSecao(linhas[i], &nome)) {
            if (inicioSecao >= 0) {
                fimSecao = i;
                break;
            }
            if (nome.compare(secao, Qt::CaseInsensitive) == 0)
                inicioSecao = i;
        }
    }
    bool feito = false;
    if (inicioSecao < 0) {
        linhas << QLatin1Char('[') + secao + QLatin1Char(']') << nova;
        feito = true;
    } else {
        for (int i = inicioSecao + 1; i < fimSecao; ++i) {
            const int igual = linhas[i].indexOf(QLatin1Char('='));
            if (igual > 0 && linhas[i].left(igual).trimmed().compare(chave, Qt::CaseInsensitive) == 0) {
                linhas[i] = nova;
                feito = true;
                break;
            }
        }
        if (!feito) {
            int pos = fimSecao;
            while (pos > inicioSecao + 1 && linhas[pos - 1].trimmed().isEmpty())
                --pos;
            linhas.insert(pos, nova);
        }
    }
    QSaveFile arquivo(m_caminho);
    if (!arquivo.open(QIODevice::WriteOnly))
        return false;
    arquivo.write((linhas.join(QLatin1String("\r\n")) + QLatin1String("\r\n")).toUtf8());
    return arquivo.commit();
}
