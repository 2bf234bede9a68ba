// Capturas da ordem de serviço: nova (em digitação) e carregadas (retirada com pagamento
// parcial, devolvida sem reparo).
#include <QBuffer>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>

#include "capturas.h"
#include "core/u_CaixaPesquisa.h"
#include "core/u_Relogio.h"
#include "core/u_Valores.h"
#include "serviceorders/u_CadOrdemdeServico.h"

namespace {
int primeiroCliente()
{
    return ModuloDados->LerValor({QStringLiteral("SELECT FIRST 1 CDCONTROLE FROM CLIENTES ORDER BY NOME")}).toInt();
}

// Um padrão desenhado sobre a grade de pontos que a loja usa.
QByteArray padraoDesenhado(const TContextoCaptura& ctx)
{
    QImage figura(ctx.pastaAplicacao + QStringLiteral("tabela.bmp"));
    if (figura.isNull()) {
        figura = QImage(150, 156, QImage::Format_RGB32);
        figura.fill(Qt::white);
    }
    figura = figura.convertToFormat(QImage::Format_RGB32);
    QPainter p(&figura);
    p.setPen(QPen(Qt::gray, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(17, 16, 73, 76);
    p.drawLine(73, 76, 131, 76);
    p.drawLine(131, 76, 73, 140);
    p.end();
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    figura.save(&buffer, "BMP");
    return bmp;
}

void gravarOS(const TContextoCaptura& ctx, int nros, const QString& status, const QList<double>& valores)
{
    const QStringList defeitos{QStringLiteral("TELA QUEBRADA"), QStringLiteral("NAO CARREGA"),
                               QStringLiteral("SEM SINAL")};
    const QStringList servicos{QStringLiteral("TROCA DE TELA"), QStringLiteral("TROCA DO CONECTOR DE CARGA"),
                               QStringLiteral("REPARO NA ANTENA")};
    for (int i = 0; i < valores.size(); ++i)
        ModuloDados->GravarServicodaOS(defeitos[i], servicos[i], valores[i], QStringLiteral("ADMIN"), nros);
    ModuloDados->GravarOS(nros, primeiroCliente(), TextoDeData(Hoje().addDays(-6)), status, QStringLiteral("C"),
                          QStringLiteral("SAMSUNG"), QStringLiteral("GALAXY A32"), QStringLiteral("356789012345671"),
                          QStringLiteral("APARELHO COM CAPA"), "S", "N", "S", "N", "N", "N", "N", "S", "N", "S", 0, "N",
                          QString(), QString(), QString(), QString(), QStringLiteral("ADMIN"), QStringLiteral("1234"),
                          padraoDesenhado(ctx));
}
} // namespace

// OS nova em digitação: cliente, aparelho, estado e duas linhas lançadas.
REGISTRAR_CAPTURA(frm_CadOrdemdeServico_Nova)
{
    ctx.sql(QStringLiteral("INSERT INTO ORDEM_SERVICO (NROS, DATAOS, STATUS) VALUES (1040, CURRENT_DATE, 'Aberta')"));
    auto janela = std::make_unique<Tfrm_CadOrdemdeServico>();
    janela->btn_NovaOSClick();
    auto* cliente = janela->findChild<TCaixaPesquisa*>(QStringLiteral("LCD_Cliente"));
    ModuloDados->Qry_Clientes->localizar(QStringLiteral("CDCONTROLE"), primeiroCliente());
    cliente->setTexto(ModuloDados->FCliente(primeiroCliente()).var_NOME);
    emit cliente->escolheu(); // como quando o usuário escolhe na caixa
    janela->findChild<QRadioButton*>(QStringLiteral("rb_Celular"))->click();
    janela->findChild<QComboBox*>(QStringLiteral("cb_Marca"))->setEditText(QStringLiteral("MOTOROLA"));
    janela->findChild<QComboBox*>(QStringLiteral("cb_Modelo"))->setEditText(QStringLiteral("MOTO G84"));
    janela->findChild<QLineEdit*>(QStringLiteral("edt_Senha"))->setText(QStringLiteral("2580"));
    janela->findChild<QLineEdit*>(QStringLiteral("edt_IMEI"))->setText(QStringLiteral("359876543210987"));
    janela->findChild<QLineEdit*>(QStringLiteral("edt_Observacao"))->setText(QStringLiteral("TELA COM PELICULA"));
    for (const char* nome : {"cb_NaoLiga", "cb_Carregador", "cb_DisplayTrincado"})
        janela->findChild<QAbstractButton*>(QString::fromLatin1(nome))->setChecked(true);
    auto linha = [&janela](const QString& defeito, const QString& servico, const QString& valor) {
        janela->findChild<QLineEdit*>(QStringLiteral("edt_Problema"))->setText(defeito);
        janela->findChild<QLineEdit*>(QStringLiteral("edt_Servico"))->setText(servico);
        janela->findChild<QLineEdit*>(QStringLiteral("edt_Valor"))->setText(valor);
        janela->btn_OkClick();
    };
    linha(QStringLiteral("NAO LIGA"), QStringLiteral("TROCA DA BATERIA"), QStringLiteral("180"));
    linha(QStringLiteral("DISPLAY TRINCADO"), QStringLiteral("TROCA DO DISPLAY"), QStringLiteral("420,00"));
    janela->findChild<QLineEdit*>(QStringLiteral("edt_Problema"))->setText(QStringLiteral("BOTAO LATERAL"));
    return janela;
}

// Retirada com metade paga: "PAGO ?", retorno e o valor que falta.
REGISTRAR_CAPTURA(frm_CadOrdemdeServico_Carregada)
{
    gravarOS(ctx, 1041, QStringLiteral("Finalizada"), {350.0, 120.0, 80.0});
    const TOrdemServico os = ModuloDados->FOrdemServico(1041);
    ModuloDados->AlterarOS(QStringLiteral("1041"), QStringLiteral("Retirado"), os.fTPAPARELHO, os.fMARCA, os.fMODELO,
                           os.fIMEI, os.fOBSERVACAO, os.fSEM_CHIP, os.fNAO_LIGA, os.fCARREGADOR, os.fSEM_TAMPA_BATERIA,
                           os.fCARTAO_MEMORIA, os.fLENTE_RISCADA, os.fLENTE_TRINCADA, os.fDISPLAY_TRINCADO,
                           os.fCARCACA_TRINCADA, os.fCARCACA_RISCADA, 0, QString(), QString(),
                           TextoDeData(Hoje().addDays(-1)), TextoDeData(Hoje()), QString(), TextoDeData(Hoje()), 0,
                           QString(), QStringLiteral("PIX"), 275, os.fSENHA, padraoDesenhado(ctx));
    auto janela = std::make_unique<Tfrm_CadOrdemdeServico>();
    janela->CarregarOS(1041);
    return janela;
}

// Devolvida sem reparo: total riscado em vermelho e o valor devolvido.
REGISTRAR_CAPTURA(frm_CadOrdemdeServico_SemReparo)
{
    gravarOS(ctx, 1042, QStringLiteral("SEM REPARO"), {1234.5});
    const TOrdemServico os = ModuloDados->FOrdemServico(1042);
    ModuloDados->AlterarOS(QStringLiteral("1042"), os.fSTATUS, os.fTPAPARELHO, os.fMARCA, os.fMODELO, os.fIMEI,
                           os.fOBSERVACAO, os.fSEM_CHIP, os.fNAO_LIGA, os.fCARREGADOR, os.fSEM_TAMPA_BATERIA,
                           os.fCARTAO_MEMORIA, os.fLENTE_RISCADA, os.fLENTE_TRINCADA, os.fDISPLAY_TRINCADO,
                           os.fCARCACA_TRINCADA, os.fCARCACA_RISCADA, 0, QString(), QString(), QString(), QString(),
                           TextoDeData(Hoje()), QString(), 1234.5, QString(), QString(), 0, os.fSENHA,
                           padraoDesenhado(ctx));
    auto janela = std::make_unique<Tfrm_CadOrdemdeServico>();
    janela->CarregarOS(1042);
    return janela;
}
