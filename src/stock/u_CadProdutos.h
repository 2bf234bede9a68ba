#pragma once
// Cadastro de produtos (ESTOQUE): incluir, alterar, excluir, buscar, dar entrada; e, no modo 3,
// a lista de escolha da tela de vendas.
#include <QDialog>
#include <memory>

namespace Ui {
class Tfrm_CadProdutos;
}
class QMenu;
class QAction;

// Quantidade como texto simples e curto, sem separador de milhar ("5", "2,5", "1234,5").
QString TextoDeQuantidade(double quantidade);

class Tfrm_CadProdutos : public QDialog
{
    Q_OBJECT
public:
    enum TModo
    {
        ModoNovo = 1,
        ModoAlterar = 2,
        ModoEscolher = 3
    };

    explicit Tfrm_CadProdutos(QWidget* parent = nullptr);
    ~Tfrm_CadProdutos() override;

    // O modo (o Tag do original); quem abre define antes de mostrar.
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }
    // Código do produto carregado para alteração (0 quando nenhum).
    int produtoCarregado() const { return m_cdProdutoCarregado; }

    QAction* act_Excluir = nullptr;
    QAction* act_DarEntrada = nullptr;
    QAction* act_Buscar = nullptr;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void done(int resultado) override;

private:
    void btn_GravarClick();
    void edt_codBarrasEnter();
    void edt_ProdutoChange(const QString& texto);
    void edt_fornecedorEnter();
    void escolherFornecedor();
    void limparFornecedor();
    void dbg_ListaEstoqueEscolher();
    void Excluir();
    void Buscar();
    void DarEntrada();
    bool validar(double& valor, double& qtde);
    void carregarProduto(int codigo);
    void LimparCampos();
    void ajustarColunas();

    std::unique_ptr<Ui::Tfrm_CadProdutos> ui;
    QMenu* m_menu = nullptr;
    int m_tag = ModoNovo;
    int m_cdProdutoCarregado = 0;
    int m_cdFornecedor = 0; // o fornecedor mostrado no campo (0 com o campo vazio)
    bool m_escolhendoFornecedor = false;
};
