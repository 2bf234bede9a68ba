#include "printing/urel_Impressao_Venda.h"

#include "core/u_Valores.h"

namespace
{
QString Texto(const QSqlRecord& r, const char* campo)
{
    return r.value(QString::fromLatin1(campo)).toString().trimmed();
}
} // namespace

TRelatorio RelatorioVenda(const QVector<QSqlRecord>& linhas, const TEmpresa& empresa,
                          const QString& formaPagamento, const QString& logo)
{
    TRelatorio rel;
    rel.nome = QStringLiteral("qrp_Recibo_Venda");
    rel.papel = QSizeF(79.9, 196.3);
    rel.margens = QMarginsF(1, 3, 1, 3);
    const double L = rel.larguraUtil();
    const QSqlRecord primeira = linhas.isEmpty() ? QSqlRecord() : linhas.first();
    const TFonte pequena(QStringLiteral("Arial"), 6);
    const TFonte negrito(QStringLiteral("Arial"), 8, TFonte::Negrito);

    TBanda titulo(48);
    titulo.bordas = TBanda::BordaBase;
    const QImage figura = logo.isEmpty() ? QImage() : QImage(logo);
    if (!figura.isNull())
        titulo.figura(QRectF(0, 0, MmDePixels(106), MmDePixels(29)), figura);
    const double xEmp = MmDePixels(112);
    titulo.linhaVertical(xEmp - 1, 0, 27);
    const QStringList blocoEmpresa{empresa.var_NOEMPRESA, empresa.var_CNPJ,   empresa.var_IE,    empresa.var_Telefone,
                                   empresa.var_Endereco,  empresa.var_Bairro, empresa.var_Cidade};
    for (int i = 0; i < blocoEmpresa.size(); ++i)
        titulo.texto(xEmp, i * 3.8, L - xEmp, 3.6, blocoEmpresa.at(i), pequena);
    titulo.texto(0, 29, 14, 4, QStringLiteral("Venda :"));
    titulo.texto(14, 29, 30, 4, Texto(primeira, "NRVENDA"), negrito);
    titulo.texto(40, 29, 10, 4, QStringLiteral("Data : "));
    titulo.texto(50, 29, 27, 4, Texto(primeira, "DATA_VENDA").left(10));
    titulo.texto(0, 34, 20, 4, QStringLiteral("Cliente :"));
    titulo.texto(0, 38.5, L, 4.5, Texto(primeira, "CLIENTE"), negrito);
    rel.titulo = titulo;

    TBanda cab(5);
    cab.bordas = TBanda::BordaBase;
    cab.texto(0, 0.5, 32, 4, QStringLiteral("Ítem"), negrito);
    cab.texto(33, 0.5, 10, 4, QStringLiteral("Qtde"), negrito);
    cab.texto(44, 0.5, 15, 4, QStringLiteral("R$ UN"), negrito, Qt::AlignRight);
    cab.texto(60, 0.5, L - 60, 4, QStringLiteral("Total"), negrito, Qt::AlignRight);
    rel.cabecalho = cab;

    const TFonte courier(QStringLiteral("Courier New"), 7, TFonte::Negrito);
    rel.definirDetalhe(linhas, [L, courier](const QSqlRecord& r) {
        TBanda b(MmDePixels(35) + 1);
        b.memo(0, 0.5, MmDePixels(120), MmDePixels(35), Texto(r, "PRODUTO"), courier, Qt::AlignRight);
        b.texto(33, 0.5, 10, 4, FormatarValor(r.value(QStringLiteral("QTDE")).toDouble()), courier, Qt::AlignRight);
        b.texto(44, 0.5, 15, 4, FormatarValor(r.value(QStringLiteral("VALOR_PRODUTO")).toDouble()), courier,
                Qt::AlignRight);
        b.texto(60, 0.5, L - 60, 4, FormatarValor(r.value(QStringLiteral("VALOR_TOTAL")).toDouble()), courier,
                Qt::AlignRight);
        return b;
    });

    double total = 0;
    for (const QSqlRecord& r : linhas)
        total += r.value(QStringLiteral("VALOR_TOTAL")).toDouble();
    const bool prazo = formaPagamento == QStringLiteral("PRAZO");
    TBanda sum(prazo ? 46 : 24);
    sum.bordas = TBanda::BordaTopo | TBanda::BordaBase;
    sum.texto(0, 1, 40, 4, QStringLiteral("Forma de Pagamento : "));
    sum.texto(0, 5, 40, 4.5, Texto(primeira, "FORMA_PAGAMENTO"), negrito);
    sum.texto(42, 1, L - 42, 5, QStringLiteral("TOTAL"), TFonte(QStringLiteral("Arial Black"), 9), Qt::AlignRight);
    sum.texto(42, 6, L - 42, 5, FormatarValor(total), TFonte(QStringLiteral("Arial"), 10, TFonte::Negrito),
              Qt::AlignRight);
    sum.texto(0, 13, L, 4.5, QStringLiteral("Obrigado. VOLTE SEMPRE !"), negrito, Qt::AlignHCenter);
    sum.texto(0, 18, L, 4, QStringLiteral("SEM VALOR FISCAL"), TFonte(), Qt::AlignHCenter);
    if (prazo) {
        sum.linhaHorizontal(5, 33, L - 10);
        sum.texto(0, 34, L, 4, QStringLiteral("reconheço o valor acima especificado"), TFonte(), Qt::AlignHCenter);
        sum.texto(0, 39, L, 4.5, Texto(primeira, "CLIENTE"), negrito, Qt::AlignHCenter);
    }
    rel.sumario = sum;
    return rel;
}
