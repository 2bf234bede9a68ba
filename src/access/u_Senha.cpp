#include "access/u_Senha.h"

#include <QGraphicsDropShadowEffect>
#include <QKeyEvent>
#include <QSqlRecord>

#include "access/u_Acesso.h"
#include "access/u_Alterar_Senha.h"
#include "core/u_Dialogos.h"
#include "core/u_Mascaras.h"
#include "core/u_ModuloDados.h"
#include "core/u_Valores.h"
#include "ui_u_Senha.h"
#include "util/u_alicerce_com.h"

const QString kSenhaEmbutidaADMIN = QStringLiteral("3A9D1B06C2");

namespace {
const QString kADMIN = QStringLiteral("ADMIN");
// senha definida no primeiro acesso: o mesmo limite das outras telas de senha
constexpr int kTamanhoSenhaPrimeiroAcesso = 8;
} // namespace

Tfrm_Senha::Tfrm_Senha(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::Tfrm_Senha>())
{
    ui->setupUi(this);
    DefinirCaixa(ui->edt_Usuario, TCaixa::Maiusculas);
    ui->edt_Usuario->addAction(QIcon(QStringLiteral(":/icones/usuario.png")), QLineEdit::LeadingPosition);
    ui->edt_Senha->addAction(QIcon(QStringLiteral(":/icones/cadeado.png")), QLineEdit::LeadingPosition);
    ui->edt_Confirmar_Senha->addAction(QIcon(QStringLiteral(":/icones/cadeado.png")), QLineEdit::LeadingPosition);

    auto* sombra = new QGraphicsDropShadowEffect(ui->lbl_Titulo);
    sombra->setBlurRadius(4);
    sombra->setOffset(2, 2);
    sombra->setColor(QColor(0, 0, 0, 200));
    ui->lbl_Titulo->setGraphicsEffect(sombra);

    auto* painel = new QLabel(QStringLiteral("Usuário e senha"), ui->BarraStatus);
    painel->setObjectName(QStringLiteral("BarraStatus_Painel"));
    painel->setAlignment(Qt::AlignCenter);
    ui->BarraStatus->addWidget(painel, 1);

    for (QWidget* w : {static_cast<QWidget*>(ui->edt_Usuario), static_cast<QWidget*>(ui->edt_Senha),
                       static_cast<QWidget*>(ui->edt_Confirmar_Senha), static_cast<QWidget*>(ui->lbl_alterar_senha)})
        w->installEventFilter(this);

    connect(ui->btn_ok, &QPushButton::clicked, this, &Tfrm_Senha::btn_okClick);
    connect(ui->btn_cancelar, &QPushButton::clicked, this, &QDialog::reject);

    const int usuarios = ModuloDados->LerValor({QStringLiteral("SELECT COUNT(*) FROM USUARIOS")}).toInt();
    EntrarNoModo(usuarios == 0);
}

Tfrm_Senha::~Tfrm_Senha() = default;

void Tfrm_Senha::EntrarNoModo(bool primeiroAcesso)
{
    m_primeiroAcesso = primeiroAcesso;
    ui->lbl_Titulo->setText(primeiroAcesso ? QStringLiteral("Primeiro acesso") : QStringLiteral("Login"));
    ui->lbl_Aviso->setVisible(primeiroAcesso);
    ui->edt_Confirmar_Senha->setVisible(primeiroAcesso);
    ui->pn_AlterarSenha->setVisible(!primeiroAcesso);
    ui->edt_Usuario->setReadOnly(primeiroAcesso);
    ui->edt_Senha->setMaxLength(primeiroAcesso ? kTamanhoSenhaPrimeiroAcesso : 32767);
    ui->edt_Senha->clear();
    ui->edt_Confirmar_Senha->clear();
    if (auto* painel = ui->BarraStatus->findChild<QLabel*>(QStringLiteral("BarraStatus_Painel")))
        painel->setText(primeiroAcesso ? QStringLiteral("Defina a senha do administrador")
                                       : QStringLiteral("Usuário e senha"));
    if (primeiroAcesso) {
        ui->edt_Usuario->setText(kADMIN);
        ui->edt_Senha->setFocus();
    } else {
        ui->edt_Usuario->setFocus();
    }
}

bool Tfrm_Senha::event(QEvent* evento)
{
    // toda vez que volta a ser a janela ativa (também ao fechar a troca de senha)
    if (evento->type() == QEvent::WindowActivate && ModuloDados)
        ModuloDados->Setaraparencia();
    return QDialog::event(evento);
}

bool Tfrm_Senha::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            // Enter anda pelos campos e é engolido; no botão OK, Enter o aperta
            if (objeto == ui->edt_Usuario)
                ui->edt_Senha->setFocus(Qt::TabFocusReason);
            else if (objeto == ui->edt_Senha && m_primeiroAcesso)
                ui->edt_Confirmar_Senha->setFocus(Qt::TabFocusReason);
            else if (objeto == ui->edt_Senha || objeto == ui->edt_Confirmar_Senha)
                ui->btn_ok->setFocus(Qt::TabFocusReason);
            else
                return QDialog::eventFilter(objeto, evento);
            return true;
        }
    } else if (objeto == ui->lbl_alterar_senha) {
        QFont fonte = ui->lbl_alterar_senha->font();
        switch (evento->type()) {
        case QEvent::Enter:
            fonte.setBold(true);
            ui->lbl_alterar_senha->setFont(fonte);
            ui->lbl_alterar_senha->setCursor(Qt::PointingHandCursor);
            break;
        case QEvent::Leave:
            fonte.setBold(false);
            ui->lbl_alterar_senha->setFont(fonte);
            ui->lbl_alterar_senha->unsetCursor();
            break;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
                lbl_alterar_senhaClick();
                return true;
            }
            break;
        default:
            break;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void Tfrm_Senha::btn_okClick()
{
    if (m_primeiroAcesso)
        DefinirSenhaDoAdministrador();
    else
        Verifica_Senha();
}

bool Tfrm_Senha::Valida_campos()
{
    const bool semUsuario = ui->edt_Usuario->text().isEmpty();
    const bool semSenha = ui->edt_Senha->text().isEmpty();
    if (semUsuario && semSenha) {
        Dialogos().mensagem(QStringLiteral("Usuário e senha devem ser informados"));
        ui->edt_Usuario->setFocus();
        return false;
    }
    if (semUsuario) {
        Dialogos().mensagem(QStringLiteral("Usuário deve ser informado"));
        ui->edt_Usuario->setFocus();
        return false;
    }
    if (semSenha) {
        Dialogos().mensagem(QStringLiteral("Senha deve ser informada"));
        ui->edt_Senha->setFocus();
        return false;
    }
    return true;
}

void Tfrm_Senha::Verifica_Senha()
{
    if (!Valida_campos())
        return;
    const QString login = ui->edt_Usuario->text();
    const QString senha = ui->edt_Senha->text();

    const QSqlRecord linha = ModuloDados->LerRegistro(
        {QStringLiteral("select * from USUARIOS where cdlogin = :cdlogin")}, {{QStringLiteral("cdlogin"), login}});
    vl_CdLogin = linha.value(QStringLiteral("CDLOGIN")).toString();
    bool encerrar = false;
    try {
        vl_CdSenha = Crypt(QStringLiteral("D"), linha.value(QStringLiteral("CDSENHA")).toString());
    } catch (const std::exception&) {
        vl_CdSenha.clear();
        Dialogos().mensagem(QStringLiteral("Atenção\nocorreu algo com seu login"));
        encerrar = true; // o resto da tentativa segue, mas a janela termina com Cancelar
    }
    ModuloDados->vp_cdusuario_conectado = linha.value(QStringLiteral("CDUSUARIO")).toInt();
    ModuloDados->vp_usuario_conectado = vl_CdLogin;
    const bool desativado = linha.value(QStringLiteral("AOATIVO")).toString() == QLatin1String("N");

    auto terminar = [&](bool sucesso) {
        if (encerrar)
            reject();
        else if (sucesso)
            accept();
    };

    if (login == vl_CdLogin && senha == vl_CdSenha) {
        // desativar tem de tirar o acesso
        if (desativado) {
            Dialogos().mensagem(QStringLiteral("Atenção\nEste usuário está desativado"));
            ui->edt_Usuario->setFocus();
            terminar(false);
            return;
        }
        ModuloDados->vp_usuario_conectado = vl_CdLogin;
        terminar(true);
    } else if (login == kADMIN && senha == Crypt(QStringLiteral("D"), kSenhaEmbutidaADMIN)) {
        ModuloDados->vp_usuario_conectado = kADMIN;
        terminar(true);
    } else if (login == vl_CdLogin) {
        Dialogos().mensagem(QStringLiteral("Senha não confere"));
        ui->edt_Senha->setFocus();
        terminar(false);
    } else if (senha != vl_CdSenha) {
        Dialogos().mensagem(QStringLiteral("Usuário não confere"));
        ui->edt_Usuario->setFocus();
        terminar(false);
    } else {
        terminar(false);
    }
}

void Tfrm_Senha::DefinirSenhaDoAdministrador()
{
    const QString senha = ui->edt_Senha->text();
    if (senha.isEmpty()) {
        Dialogos().mensagem(QStringLiteral("Atenção\nInforme a senha do administrador"));
        ui->edt_Senha->setFocus();
        return;
    }
    if (senha != ui->edt_Confirmar_Senha->text()) {
        Dialogos().mensagem(QStringLiteral("Atenção\nSenhas não conferem"));
        ui->edt_Confirmar_Senha->setFocus();
        return;
    }
    const QString problema = ProblemaNaSenha(senha);
    if (!problema.isEmpty()) {
        Dialogos().mensagem(problema);
        ui->edt_Senha->setFocus();
        return;
    }
    // só grava se ninguém (outra estação) criou um usuário enquanto esta janela estava aberta
    ModuloDados->Executar(
        {QStringLiteral("INSERT INTO USUARIOS (CDLOGIN, CDSENHA)"),
         QStringLiteral("SELECT CAST(:CDLOGIN AS VARCHAR(10)), CAST(:CDSENHA AS VARCHAR(80))"),
         QStringLiteral("FROM RDB$DATABASE"), QStringLiteral("WHERE NOT EXISTS (SELECT 1 FROM USUARIOS)")},
        {{QStringLiteral("CDLOGIN"), kADMIN}, {QStringLiteral("CDSENHA"), Crypt(QStringLiteral("C"), senha)}});
    QString gravada;
    try {
        gravada = Crypt(QStringLiteral("D"),
                        ModuloDados
                            ->LerValor({QStringLiteral("SELECT CDSENHA FROM USUARIOS WHERE CDLOGIN = :CDLOGIN")},
                                       {{QStringLiteral("CDLOGIN"), kADMIN}})
                            .toString());
    } catch (const std::exception&) {
        gravada.clear();
    }
    if (gravada == senha)
        Dialogos().mensagem(QStringLiteral("Confirmado\nSenha do administrador definida. Entre com o usuário ADMIN "
                                           "e essa senha."));
    else
        Dialogos().mensagem(QStringLiteral("Atenção\nOs usuários já foram definidos em outra estação. Entre com o "
                                           "seu usuário e senha."));
    EntrarNoModo(false);
    ui->edt_Usuario->setText(kADMIN);
    ui->edt_Senha->setFocus();
}

void Tfrm_Senha::lbl_alterar_senhaClick()
{
    if (ui->edt_Usuario->text().isEmpty()) {
        Dialogos().mensagem(QStringLiteral("Atenção\nInforme o usuário"));
        return;
    }
    Tfrm_Alterar_Senha janela(this);
    janela.pn_Login()->setText(ui->edt_Usuario->text());
    Dialogos().executarModal(&janela);
}
