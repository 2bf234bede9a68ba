#include "purchasing/u_cadFornecedor.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>

#include "core/u_Dialogos.h"
#include "core/u_Mascaras.h"
#include "core/u_ModuloDados.h"
#include "core/u_Telas.h"
#include "core/u_Valores.h"
#include "customers/u_ConsultasWeb.h"
#include "ui_u_cadFornecedor.h"

namespace {

const TRegistroTela registroFornecedores("Fornecedores", [](QWidget* pai) {
    Tfrm_CadFornecedor janela(pai);
    Dialogos().executarModal(&janela);
});

bool ehEnter(const QKeyEvent* tecla)
{
    return tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter;
}

} // namespace

QString TelefoneParaMascara(const QString& digitos)
{
    // celular: (DD)NNNNN-NNNN; fixo: (DD) NNNN-NNNN, o branco no lugar do nono dígito
    if (digitos.size() == 11)
        return QStringLiteral("(%1)%2-%3").arg(digitos.left(2), digitos.mid(2, 5), digitos.mid(7));
    if (digitos.size() == 10)
        return QStringLiteral("(%1) %2-%3").arg(digitos.left(2), digitos.mid(2, 4), digitos.mid(6));
    return digitos;
}

Tfrm_CadFornecedor::Tfrm_CadFornecedor(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::Tfrm_CadFornecedor>())
{
    ui->setupUi(this);
    DefinirCaixa(ui->edt_CNPJ, TCaixa::Minusculas);
    DefinirCaixa(ui->edt_IE, TCaixa::Minusculas);
    DefinirCaixa(ui->edt_RazaoSocial, TCaixa::Maiusculas);
    DefinirCaixa(ui->edt_CEP, TCaixa::Maiusculas);
    DefinirCaixa(ui->edt_Endereco, TCaixa::Maiusculas);
    DefinirCaixa(ui->edt_Email, TCaixa::Minusculas);
    DefinirCaixa(ui->edt_Cidade, TCaixa::Maiusculas);
    DefinirCaixa(ui->edt_UF, TCaixa::Maiusculas);
    // o primeiro dos cinco dígitos é opcional para caber também um telefone fixo
    DefinirMascara(ui->edt_Celular, QStringLiteral("(00)09999-9999"));
    ui->StatusBar1->addWidget(new QLabel(QStringLiteral("Pressione ESC para sair desta tela")), 1);

    TDataset* lista = ModuloDados->Qry_fornecedores;
    const QStringList titulos{QStringLiteral("CDCONTROLE"),   QStringLiteral("Código"),   QStringLiteral("RAZAOSOCIAL"),
                              QStringLiteral("Razão Social"), QStringLiteral("ENDERECO"), QStringLiteral("Endereço"),
                              QStringLiteral("EMAIL"),        QStringLiteral("e-mail"),   QStringLiteral("CIDADE"),
                              QStringLiteral("Cidade")};
    for (int i = 0; i < titulos.size(); i += 2)
        lista->definirTitulo(titulos.at(i), titulos.at(i + 1));
    lista->vincular(ui->dbg_fornecedores);
    connect(ui->dbg_fornecedores, &QAbstractItemView::doubleClicked, this,
            &Tfrm_CadFornecedor::dbg_fornecedoresDblClick);
    connect(ui->btn_Salvar, &QPushButton::clicked, this, &Tfrm_CadFornecedor::btn_SalvarClick);

    for (QLineEdit* campo : {ui->edt_CNPJ, ui->edt_IE, ui->edt_RazaoSocial, ui->edt_CEP, ui->edt_Endereco,
                             ui->edt_Email, ui->edt_Celular, ui->edt_Cidade, ui->edt_UF})
        campo->installEventFilter(this);
    AoSairDoCampo(ui->edt_CNPJ, [this] { edt_CNPJExit(); });
    AoSairDoCampo(ui->edt_CEP, [this] { edt_CEPExit(); });

    // com a lista aberta dá para escolher um fornecedor e alterá-lo logo ao abrir
    ModuloDados->AbrirFornecedores();
    ui->dbg_fornecedores->resizeColumnsToContents();
}

Tfrm_CadFornecedor::~Tfrm_CadFornecedor()
{
    if (ModuloDados && ModuloDados->Qry_fornecedores->ativo())
        ModuloDados->Qry_fornecedores->fechar();
}

void Tfrm_CadFornecedor::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    ui->edt_CNPJ->setFocus();
}

void Tfrm_CadFornecedor::done(int resultado)
{
    ModuloDados->Qry_fornecedores->fechar();
    QDialog::done(resultado);
}

bool Tfrm_CadFornecedor::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() == QEvent::KeyPress && ehEnter(static_cast<QKeyEvent*>(evento))) {
        static const char* const cadeia[] = {"edt_CNPJ",  "edt_IE",      "edt_RazaoSocial", "edt_CEP", "edt_Endereco",
                                             "edt_Email", "edt_Celular", "edt_Cidade",      "edt_UF"};
        const int total = int(std::size(cadeia));
        for (int i = 0; i + 1 < total; ++i) {
            if (objeto->objectName() == QLatin1String(cadeia[i])) {
                auto* proximo = findChild<QLineEdit*>(QLatin1String(cadeia[i + 1]));
                proximo->setFocus(Qt::TabFocusReason);
                return true;
            }
        }
        return objeto == ui->edt_UF; // Enter no último campo não faz nada
    }
    return QDialog::eventFilter(objeto, evento);
}

void Tfrm_CadFornecedor::edt_CNPJExit()
{
    // só o CNPJ digitado: o carregado da lista (ou já consultado) não apaga o que o usuário corrigiu
    if (ui->edt_CNPJ->text().isEmpty() || !ui->edt_CNPJ->isModified())
        return;
    ui->edt_CNPJ->setModified(false);
    const TRespostaConsulta resposta = ConsultarCNPJ(ui->edt_CNPJ->text());
    if (!AvisarResultadoConsulta(resposta))
        return;
    ui->edt_RazaoSocial->setText(resposta.membro(QStringLiteral("NOME")));
    ui->edt_Endereco->setText(EnderecoDoCNPJ(resposta));
    ui->edt_UF->setText(resposta.membro(QStringLiteral("UF")));
    ui->edt_CEP->setText(CEPDoCNPJ(resposta));
    ui->edt_Cidade->setText(resposta.membro(QStringLiteral("MUNICIPIO")));
    ui->edt_Celular->setText(TelefoneParaMascara(TelefoneDoCNPJ(resposta)));
}

void Tfrm_CadFornecedor::edt_CEPExit()
{
    if (ui->edt_CEP->text().isEmpty())
        return;
    const TRespostaConsulta resposta = ConsultarCEP(ui->edt_CEP->text());
    if (!AvisarResultadoConsulta(resposta))
        return;
    // o endereço já digitado (ou vindo do CNPJ) vale mais que o do CEP
    if (!ui->edt_Endereco->text().isEmpty() || !ui->edt_Cidade->text().isEmpty() || !ui->edt_UF->text().isEmpty())
        return;
    ui->edt_Endereco->setText(EnderecoDoCEP(resposta));
    ui->edt_Cidade->setText(resposta.membro(QStringLiteral("LOCALIDADE")));
    ui->edt_UF->setText(resposta.membro(QStringLiteral("UF")));
}

void Tfrm_CadFornecedor::dbg_fornecedoresDblClick()
{
    const TDataset* lista = ModuloDados->Qry_fornecedores;
    if (lista->linhaAtual() < 0)
        return;
    const TFornecedor f = ModuloDados->Fornecedor(lista->campo(QStringLiteral("CDCONTROLE")).toInt());
    FornecedorNovo = false;
    AlterarFornecedor = true;
    m_cdFornecedorAlterando = f.vCDCONTROLE;
    // os campos mostram o fornecedor escolhido: o Salvar grava só o que o usuário mudar
    ui->edt_CNPJ->setText(f.vCNPJ);
    ui->edt_IE->setText(f.vIE);
    ui->edt_RazaoSocial->setText(f.vRAZAOSOCIAL);
    ui->edt_CEP->setText(f.vCEP);
    ui->edt_Endereco->setText(f.vENDERECO);
    ui->edt_Email->setText(f.vEMAIL);
    ui->edt_Celular->setText(f.vCELULAR);
    ui->edt_Cidade->setText(f.vCIDADE);
    ui->edt_UF->setText(f.vUF);
    ui->edt_RazaoSocial->setFocus();
}

bool Tfrm_CadFornecedor::conferirCampos()
{
    if (ui->edt_RazaoSocial->text().trimmed().isEmpty()) {
        Dialogos().mensagem(QStringLiteral("Atenção\nInforme a Razão Social do fornecedor"));
        ui->edt_RazaoSocial->setFocus();
        return false;
    }
    const std::pair<QLineEdit*, const char*> campos[] = {{ui->edt_CNPJ, "CNPJ"},
                                                         {ui->edt_IE, "Inscrição Estadual"},
                                                         {ui->edt_RazaoSocial, "Razão Social"},
                                                         {ui->edt_CEP, "CEP"},
                                                         {ui->edt_Endereco, "Endereço e Nro"},
                                                         {ui->edt_Email, "e-mail"},
                                                         {ui->edt_Cidade, "Cidade"},
                                                         {ui->edt_UF, "UF"}};
    QVector<TTextoConferido> textos;
    for (const auto& [campo, nome] : campos)
        textos.append({campo->text(), campo->maxLength(), QString::fromUtf8(nome), campo});
    return TextosAceitos(textos);
}

void Tfrm_CadFornecedor::btn_SalvarClick()
{
    if (!FornecedorNovo && !AlterarFornecedor)
        return;
    if (!conferirCampos())
        return;
    const QString razao = ui->edt_RazaoSocial->text();
    const QString endereco = ui->edt_Endereco->text();
    const QString email = ui->edt_Email->text();
    const QString celular = TextoComMascara(ui->edt_Celular);
    const QString cep = ui->edt_CEP->text();
    const QString cidade = ui->edt_Cidade->text();
    const QString uf = ui->edt_UF->text();
    const QString cnpj = ui->edt_CNPJ->text();
    const QString ie = ui->edt_IE->text();
    const bool novo = FornecedorNovo;
    if (novo)
        ModuloDados->CadastrarFornecedor(razao, endereco, email, celular, cep, cidade, uf, cnpj, ie);
    else
        ModuloDados->AlterarFornecedor(m_cdFornecedorAlterando, razao, endereco, email, celular, cep, cidade, uf, cnpj,
                                       ie);
    LimparCampos();
    // depois de qualquer gravação a tela fica pronta para o próximo fornecedor novo
    FornecedorNovo = true;
    AlterarFornecedor = false;
    m_cdFornecedorAlterando = 0;
    Dialogos().mensagem(novo ? QStringLiteral("Fornecedor cadastrado com sucesso")
                             : QStringLiteral("Fornecedor alterado com sucesso"));
    ModuloDados->AbrirFornecedores();
    ui->dbg_fornecedores->resizeColumnsToContents();
    ui->edt_CNPJ->setFocus();
}

void Tfrm_CadFornecedor::LimparCampos()
{
    for (QLineEdit* campo : {ui->edt_CNPJ, ui->edt_IE, ui->edt_RazaoSocial, ui->edt_CEP, ui->edt_Endereco,
                             ui->edt_Email, ui->edt_Celular, ui->edt_Cidade, ui->edt_UF})
        campo->clear();
}
