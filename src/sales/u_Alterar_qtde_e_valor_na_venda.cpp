#include "sales/u_Alterar_qtde_e_valor_na_venda.h"

#include <QKeyEvent>
#include <QLocale>

#include "core/u_Dialogos.h"
#include "core/u_ModuloDados.h"
#include "core/u_Valores.h"
#include "ui_u_Alterar_qtde_e_valor_na_venda.h"

namespace {
bool ehEnter(const QEvent* evento)
{
    if (evento->type() != QEvent::KeyPress)
        return false;
    const int tecla = static_cast<const QKeyEvent*>(evento)->key();
    return tecla == Qt::Key_Return || tecla == Qt::Key_Enter;
}

// número simples, sem milhar, como o usuário o digitaria ("2,5", "10")
QString TextoSimples(double valor)
{
    QLocale local;
    local.setNumberOptions(QLocale::OmitGroupSeparator);
    return local.toString(valor, 'f', QLocale::FloatingPointShortest);
}
} // namespace

Tfrm_Alterar_qtde_e_valor::Tfrm_Alterar_qtde_e_valor(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::Tfrm_Alterar_qtde_e_valor>())
{
    ui->setupUi(this);
    setWindowFlag(Qt::Tool);
    ui->edt_QTD->installEventFilter(this);
    ui->edt_ValorUnitario->installEventFilter(this);
    connect(ui->btnOK, &QPushButton::clicked, this, &Tfrm_Alterar_qtde_e_valor::btnOKClick);
}

Tfrm_Alterar_qtde_e_valor::~Tfrm_Alterar_qtde_e_valor() = default;

void Tfrm_Alterar_qtde_e_valor::preencher(double qtde, double valorUnitario)
{
    ui->edt_QTD->setText(TextoSimples(qtde));
    ui->edt_ValorUnitario->setText(TextoSimples(valorUnitario));
}

void Tfrm_Alterar_qtde_e_valor::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    ui->edt_QTD->setFocus();
}

bool Tfrm_Alterar_qtde_e_valor::eventFilter(QObject* objeto, QEvent* evento)
{
    if (!ehEnter(evento))
        return QDialog::eventFilter(objeto, evento);
    double valor = 0;
    if (objeto == ui->edt_QTD) {
        if (!LerValor(ui->edt_QTD->text(), valor)) {
            Dialogos().mensagem(QStringLiteral("Qtde foi digitada errada!"));
            ui->edt_QTD->setFocus();
        } else {
            ui->edt_ValorUnitario->setFocus();
        }
        return true;
    }
    if (objeto == ui->edt_ValorUnitario) {
        if (!LerValor(ui->edt_ValorUnitario->text(), valor)) {
            Dialogos().mensagem(QStringLiteral("Valor foi digitada errado!"));
            ui->edt_ValorUnitario->setFocus();
        } else {
            ui->btnOK->setFocus();
        }
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}

void Tfrm_Alterar_qtde_e_valor::btnOKClick()
{
    // texto inválido: a conversão lança e o erro aparece; a janela continua aberta
    const double qtde = ValorDeTexto(ui->edt_QTD->text());
    const double valor = ValorDeTexto(ui->edt_ValorUnitario->text());
    ModuloDados->vQtdeAlteradanaVenda = qtde;
    ModuloDados->vValoralteradonaVenda = valor;
    accept();
}
