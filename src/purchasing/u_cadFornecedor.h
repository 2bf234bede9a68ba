#pragma once
// Cadastro de fornecedores, com a busca dos dados pelo CNPJ e do endereço pelo CEP.
#include <QDialog>
#include <memory>

namespace Ui {
class Tfrm_CadFornecedor;
}

// O telefone de uma resposta da consulta de CNPJ ("(11) 3456-7890 / (11) 9...") no formato do
// campo Celular: só o primeiro número, em dígitos, com o DDD; fixo de oito dígitos ganha um branco.
QString TelefoneParaMascara(const QString& telefone);

class Tfrm_CadFornecedor : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_CadFornecedor(QWidget* parent = nullptr);
    ~Tfrm_CadFornecedor() override;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
    void done(int resultado) override;

private:
    void edt_CNPJExit();
    void edt_CEPExit();
    void dbg_fornecedoresDblClick();
    void btn_SalvarClick();
    bool conferirCampos();
    void LimparCampos();

    std::unique_ptr<Ui::Tfrm_CadFornecedor> ui;
    bool FornecedorNovo = true;
    bool AlterarFornecedor = false;
    int m_cdFornecedorAlterando = 0; // o fornecedor carregado pelo duplo clique
};
