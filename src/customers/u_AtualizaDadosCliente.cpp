#include "customers/u_AtualizaDadosCliente.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

#include "core/u_Dialogos.h"
#include "core/u_Mascaras.h"
#include "core/u_ModuloDados.h"
#include "core/u_Telas.h"
#include "customers/u_IconesCadastro.h"
#include "ui_u_AtualizaDadosCliente.h"

Tfrm_AtualizaDadosCliente::Tfrm_AtualizaDadosCliente(QWidget* pai)
    : QDialog(pai), ui(std::make_unique<Ui::Tfrm_AtualizaDadosCliente>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("frm_AtualizaDadosCliente"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    // faixa com o nome: cor de destaque do sistema, letra branca e maior
    QPalette cores = ui->pn_1->palette();
    cores.setColor(QPalette::Window, cores.color(QPalette::Highlight));
    cores.setColor(QPalette::WindowText, Qt::white);
    ui->pn_1->setPalette(cores);
    QFont fonte = ui->pn_1->font();
    fonte.setPointSizeF(fonte.pointSizeF() * 1.5);
    fonte.setBold(true);
    ui->pn_1->setFont(fonte);

    DefinirMascara(ui->edt_Celular, QStringLiteral("(00)00000-0000"));
    ui->IMG_Salvar->setIcon(IconeCadastro(QStringLiteral("salvar")));
    ui->IMG_Salvar->setProperty("corDaDica", QStringLiteral("#1f5fbf"));
    ui->IMG_Salvar->setStyleSheet(QStringLiteral(
        "QToolTip { background-color: #1f5fbf; color: white; border: 1px solid #123b7a; padding: 4px; }"));
    ui->BarraStatus->addWidget(new QLabel(this), 1);
    ui->BarraStatus->addWidget(new QLabel(this), 1);
    connect(ui->IMG_Salvar, &QToolButton::clicked, this, &Tfrm_AtualizaDadosCliente::IMG_SalvarClick);
}

Tfrm_AtualizaDadosCliente::~Tfrm_AtualizaDadosCliente() = default;

void Tfrm_AtualizaDadosCliente::setNome(const QString& nome)
{
    ui->pn_1->setText(nome);
}

void Tfrm_AtualizaDadosCliente::setCelular(const QString& celular)
{
    ui->edt_Celular->setText(celular);
}

void Tfrm_AtualizaDadosCliente::keyPressEvent(QKeyEvent* evento)
{
    // nenhuma tecla fecha esta janela; só o botão de fechar da moldura
    if (evento->key() == Qt::Key_Escape) {
        evento->accept();
        return;
    }
    QDialog::keyPressEvent(evento);
}

void Tfrm_AtualizaDadosCliente::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (QScreen* tela = screen())
        move(tela->availableGeometry().center() - rect().center());
}

void Tfrm_AtualizaDadosCliente::IMG_SalvarClick()
{
    const QString celular = TextoComMascara(ui->edt_Celular);
    if (celular == QLatin1String("(  )     -    ") &&
        !Dialogos().pergunta(QStringLiteral("Você deve informar o celular, deseja continuar mesmo sem o número?"),
                             QStringLiteral("Atenção"), false))
        return;
    ModuloDados->Executar(
        {QStringLiteral("UPDATE CLIENTES SET CELULAR = :CELULAR"), QStringLiteral("WHERE CDCONTROLE = :CDCONTROLE")},
        {{QStringLiteral("CELULAR"), celular}, {QStringLiteral("CDCONTROLE"), ModuloDados->vCDCONTROLE_CLIENTE}});
    accept();
}

// A ordem de serviço abre com o cliente atual; depois lê o celular de novo.
static TRegistroTela g_telaAtualizaDadosCliente("AtualizaDadosCliente", [](QWidget* pai) {
    const TCliente cliente = ModuloDados->FCliente(ModuloDados->vCDCONTROLE_CLIENTE);
    Tfrm_AtualizaDadosCliente frm_AtualizaDadosCliente(pai);
    frm_AtualizaDadosCliente.setNome(cliente.var_NOME);
    frm_AtualizaDadosCliente.setCelular(cliente.var_CELULAR);
    Dialogos().executarModal(&frm_AtualizaDadosCliente);
});
