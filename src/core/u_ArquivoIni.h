#pragma once
// Arquivo INI no formato do Windows (seções, chave=valor), lido e escrito sem as
// interpretações do QSettings (vírgulas, aspas, barras invertidas ficam como estão).
#include <QString>
#include <QStringList>

class TArquivoIni
{
public:
    explicit TArquivoIni(const QString& caminho);

    bool existe() const;
    // Valor da chave, ou 'padrao' quando a seção ou a chave não existem. Seção e chave sem
    // diferenciar maiúsculas, como no Windows; o valor volta exatamente como está no arquivo.
    QString ler(const QString& secao, const QString& chave, const QString& padrao) const;
    // Grava a chave mantendo o resto do arquivo; cria seção e arquivo se faltarem.
    // Escreve num arquivo temporário e troca de uma vez, para não deixar o arquivo pela metade.
    bool gravar(const QString& secao, const QString& chave, const QString& valor);

private:
    QStringList lerLinhas() const;
    QString m_caminho;
};
