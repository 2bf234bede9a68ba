#include "access/u_Lista_Usuarios.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>

#include "access/u_Acesso.h"
#include "access/u_CadUsuariosSistema.h"
#include "core/u_Dataset.h"
#include "core/u_Dialogos.h"
#include "core/u_ModuloDados.h"
#include "core/u_Telas.h"
#include "core/u_Valores.h"
#include "ui_u_Lista_Usuarios.h"
#include "util/u_alicerce_com.h"

namespace {
const QString kADMIN = QStringLiteral("ADMIN");

TRegistroTela registroUsuarios("Usuarios", [](QWidget* pai) {
    Tfrm_Lista_Usuarios janela(pai);
    Dialogos().executarModal(&janela);
});
} // namespace

Tfrm_Lista_Usuarios::Tfrm_Lista_Usuarios(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::Tfrm_Lista_Usuarios>())
{
    ui->setupUi(this);
    m_qryUsuarios = new TDataset(QStringLiteral("Qry_Usuarios"), this);
    m_qryUsuarios->setSQL(
        {QStringLiteral("SELECT * FROM USUARIOS"), QStringLiteral("WHERE (AOATIVO IS NULL OR AOATIVO = 'S')")});
    m_qryUsuarios->definirTitulo(QStringLiteral("CDUSUARIO"), QStringLiteral("Código"));
    m_qryUsuarios->definirTitulo(QStringLiteral("CDLOGIN"), QStringLiteral("Login"));
    m_qryUsuarios->definirTitulo(QStringLiteral("CDSENHA"), QStringLiteral("Senha"));
    m_qryUsuarios->definirTitulo(QStringLiteral("AOATIVO"), QStringLiteral("ativo"));
    m_qryUsuarios->vincular(ui->dbg_Usuarios);
    // a senha (cifrada) e o indicador de ativo não aparecem na grade
    connect(m_qryUsuarios, &TDataset::abriu, this, [this] {
        for (const char* campo : {"CDSENHA", "AOATIVO"}) {
            const int coluna = m_qryUsuarios->colunaDe(QLatin1String(campo));
            if (coluna >= 0)
                ui->dbg_Usuarios->setColumnHidden(coluna, true);
        }
    });

    // "Corrigir" não aparece no menu: só Ctrl+A na grade
    ui->Corrigir1->setVisible(false);
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("PopupMenu1"));
    menu->addAction(ui->Corrigir1);
    menu->addAction(ui->Novousuario1);
    menu->addAction(ui->Excluir1);
    menu->addAction(ui->Desativaresseusuario1);
    ui->dbg_Usuarios->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->dbg_Usuarios, &QWidget::customContextMenuRequested, this,
            [this, menu](const QPoint& ponto) { menu->popup(ui->dbg_Usuarios->viewport()->mapToGlobal(ponto)); });
    connect(ui->Corrigir1, &QAction::triggered, this, &Tfrm_Lista_Usuarios::Corrigir1Click);
    connect(ui->Novousuario1, &QAction::triggered, this, &Tfrm_Lista_Usuarios::Novousuario1Click);
    connect(ui->Excluir1, &QAction::triggered, this, &Tfrm_Lista_Usuarios::Excluir1Click);
    connect(ui->Desativaresseusuario1, &QAction::triggered, this, &Tfrm_Lista_Usuarios::Desativaresseusuario1Click);
    ui->dbg_Usuarios->installEventFilter(this);

    m_qryUsuarios->abrir();
}

Tfrm_Lista_Usuarios::~Tfrm_Lista_Usuarios()
{
    m_qryUsuarios->fechar();
}

bool Tfrm_Lista_Usuarios::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == ui->dbg_Usuarios &&
        (evento->type() == QEvent::KeyPress || evento->type() == QEvent::ShortcutOverride)) {
        auto* tecla = static_cast<QKeyEvent*>(evento);
        if (tecla->key() == Qt::Key_A && tecla->modifiers() == Qt::ControlModifier) {
            if (evento->type() == QEvent::ShortcutOverride) {
                evento->accept(); // a tecla é da grade, não de um atalho de fora
                return true;
            }
            Corrigir1Click();
            return true;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void Tfrm_Lista_Usuarios::Reabrir()
{
    m_qryUsuarios->fechar();
    m_qryUsuarios->abrir();
}

void Tfrm_Lista_Usuarios::Corrigir1Click()
{
    // recifrar a senha de outro é coisa do administrador
    if (!ConectadoComoAdministrador()) {
        Dialogos().mensagem(QStringLiteral("Atenção\nOpção disponível somente pelo Administrador"));
        return;
    }
    if (m_qryUsuarios->linhaAtual() < 0)
        return;
    const QString cifrada = Crypt(QStringLiteral("C"), m_qryUsuarios->campo(QStringLiteral("CDSENHA")).toString());
    // cifrar de novo dobra o tamanho: o que não cabe na coluna é recusado aqui, não pelo banco
    const QString problema = ProblemaNoTexto(cifrada, 80, QStringLiteral("Senha"));
    if (!problema.isEmpty()) {
        Dialogos().mensagem(QStringLiteral("Atenção\n") + problema);
        return;
    }
    ModuloDados->Executar({QStringLiteral("UPDATE USUARIOS SET CDSENHA=:CDSENHA"), QStringLiteral("WHERE"),
                           QStringLiteral("CDUSUARIO = :CDUSUARIO")},
                          {{QStringLiteral("CDSENHA"), cifrada},
                           {QStringLiteral("CDUSUARIO"), m_qryUsuarios->campo(QStringLiteral("CDUSUARIO")).toInt()}});
    Reabrir();
}

void Tfrm_Lista_Usuarios::Novousuario1Click()
{
    if (!ModuloDados->PermissaoADMIN()) {
        Dialogos().mensagem(QStringLiteral("ATENÇÃO\nPermissão NEGADA"));
        return;
    }
    Tfrm_Usuarios_Sistema janela(this);
    Dialogos().executarModal(&janela);
    Reabrir();
}

void Tfrm_Lista_Usuarios::Excluir1Click()
{
    if (m_qryUsuarios->linhaAtual() < 0)
        return;
    const QString login = m_qryUsuarios->campo(QStringLiteral("CDLOGIN")).toString();
    const int codigo = m_qryUsuarios->campo(QStringLiteral("CDUSUARIO")).toInt();
    const QString conectado = ModuloDados->vp_usuario_conectado;
    if (conectado != kADMIN && conectado != QLatin1String("ADM")) {
        Dialogos().mensagem(QStringLiteral("Atenção\nNão pode excluir ") + login);
        return;
    }
    // sem a linha ADMIN ninguém mais entra como administrador (a senha embutida não se digita)
    if (login == kADMIN) {
        Dialogos().mensagem(QStringLiteral("Atenção\nO usuário ADMIN não pode ser excluído"));
        return;
    }
    if (Dialogos().pergunta(QStringLiteral("Confirma excluir?"), QStringLiteral("Atenção"), false)) {
        if (ModuloDados->ExisteRegistrodeLancamentosdoUsuario(codigo)) {
            Dialogos().mensagem(
                QStringLiteral("Atenção - existe histórico deste usuário\nNão foi possível excluir este usuário"));
        } else {
            ModuloDados->Executar({QStringLiteral("DELETE FROM USUARIOS WHERE CDLOGIN = :CDLOGIN")},
                                  {{QStringLiteral("CDLOGIN"), login}});
            Dialogos().mensagem(QStringLiteral("Atenção\nUsuário EXCLUÍDO"));
        }
    }
    close();
}

void Tfrm_Lista_Usuarios::Desativaresseusuario1Click()
{
    if (!ConectadoComoAdministrador()) {
        Dialogos().mensagem(QStringLiteral("Atenção\nOpção disponível somente pelo Administrador"));
        return;
    }
    if (m_qryUsuarios->linhaAtual() < 0)
        return;
    if (m_qryUsuarios->campo(QStringLiteral("CDLOGIN")).toString() == kADMIN) {
        Dialogos().mensagem(QStringLiteral("Atenção\nO usuário ADMIN não pode ser desativado"));
        return;
    }
    ModuloDados->Executar({QStringLiteral("UPDATE USUARIOS SET AOATIVO = 'N' WHERE CDUSUARIO = :CDUSUARIO")},
                          {{QStringLiteral("CDUSUARIO"), m_qryUsuarios->campo(QStringLiteral("CDUSUARIO")).toInt()}});
    Reabrir();
}
