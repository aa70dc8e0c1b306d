<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Examples</name>
    <message>
        <source>Ionic crystal 2+/1-</source>
        <translation>Cristal iônico 2+/1-</translation>
    </message>
    <message>
        <source>Gravity collapse</source>
        <translation>Colapso gravitacional</translation>
    </message>
    <message>
        <source>Like charges repel</source>
        <translation>Cargas se repelem</translation>
    </message>
    <message>
        <source>Core and shell</source>
        <translation>Núcleo e casca</translation>
    </message>
    <message>
        <source>Plasma of five kinds</source>
        <translation>Plasma de cinco tipos</translation>
    </message>
    <message>
        <source>Showpiece: 200</source>
        <translation>Vitrine: 200</translation>
    </message>
    <message>
        <source>Salt crystal (demo)</source>
        <translation>Cristal de sal (demo)</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>New project</source>
        <translation>Novo projeto</translation>
    </message>
    <message>
        <source>Retrieve project</source>
        <translation>Abrir projeto</translation>
    </message>
    <message>
        <source>Show/Edit project</source>
        <translation>Ver/editar projeto</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Show history</source>
        <translation>Ver histórico</translation>
    </message>
    <message>
        <source>Show final state</source>
        <translation>Ver estado final</translation>
    </message>
    <message>
        <source>Show/define forces</source>
        <translation>Ver/definir forças</translation>
    </message>
    <message>
        <source>Advanced setup</source>
        <translation>Configuração avançada</translation>
    </message>
    <message>
        <source>Help/Manual</source>
        <translation>Ajuda/Manual</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Molecular Simulation</source>
        <translation>Simulação molecular</translation>
    </message>
    <message>
        <source>Click to continue</source>
        <translation>Clique para continuar</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>Any file</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>Saving project</source>
        <translation>Salvando o projeto</translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <source>The settings file could not be read; the defaults apply.</source>
        <translation>Não foi possível ler o arquivo de configuração; valem os valores padrão.</translation>
    </message>
    <message>
        <source>The project could not be opened.</source>
        <translation>Não foi possível abrir o projeto.</translation>
    </message>
    <message>
        <source>This project has no file yet.
Save it with &quot;Save as&quot; first: the calculation writes
its trajectory and final state beside the project file.</source>
        <translation>Este projeto ainda não tem arquivo.
Salve-o primeiro com “Salvar como”: o cálculo grava
sua trajetória e seu estado final ao lado do arquivo do projeto.</translation>
    </message>
    <message>
        <source>No viewer could be started for the manual.
Open it in a web browser: it is the file
%1</source>
        <translation>Nenhum visualizador pôde ser iniciado para o manual.
Abra-o em um navegador: é o arquivo
%1</translation>
    </message>
    <message>
        <source>not available yet</source>
        <translation>ainda não disponível</translation>
    </message>
    <message>
        <source>Save the project with the new force coefficients ?</source>
        <translation>Salvar o projeto com os novos coeficientes de força?</translation>
    </message>
    <message>
        <source>Save the new force coefficients ?</source>
        <translation>Salvar os novos coeficientes de força?</translation>
    </message>
    <message>
        <source>The project could not be saved.</source>
        <translation>Não foi possível salvar o projeto.</translation>
    </message>
    <message>
        <source>The program could not start itself again.
Choose an item again, or start it by hand.</source>
        <translation>O programa não conseguiu reiniciar.
Escolha um item de novo, ou inicie-o manualmente.</translation>
    </message>
    <message>
        <source>You cannot recalculate, save or overwrite this file.</source>
        <translation>Você não pode recalcular, salvar ou sobrescrever este arquivo.</translation>
    </message>
    <message>
        <source>Project file name: %1</source>
        <translation>Arquivo do projeto: %1</translation>
    </message>
    <message>
        <source>Seave the file with different name and try again.</source>
        <translation>Salve o arquivo com outro nome e tente de novo.</translation>
    </message>
    <message>
        <source>%1 belongs to the project %2,
which is not in the same folder.
Put the project beside its files,
or open another one from the menu.</source>
        <translation>%1 pertence ao projeto %2,
que não está na mesma pasta.
Coloque o projeto ao lado de seus arquivos,
ou abra outro pelo menu.</translation>
    </message>
    <message>
        <source>The work folder could not be made:</source>
        <translation>Não foi possível criar a pasta de trabalho:</translation>
    </message>
    <message>
        <source>The program works in %1</source>
        <translation>O programa trabalha em %1</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>%1. %2</source>
        <extracomment>The cover read aloud: its title, then what to do.</extracomment>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>Zentova - Project : %1   File %2</source>
        <translation>Zentova - Projeto: %1   Arquivo %2</translation>
    </message>
    <message>
        <source>File %1</source>
        <translation>Arquivo %1</translation>
    </message>
    <message numerus="yes">
        <source>%n parlicle types</source>
        <extracomment>A row of the summary&apos;s panel, which holds about 185 pixels: keep it short.</extracomment>
        <translation>
            <numerusform>%n tipo de partícula</numerusform>
            <numerusform>%n tipos de partículas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n total particles</source>
        <extracomment>A row of the summary&apos;s panel, which holds about 185 pixels: keep it short.</extracomment>
        <translation>
            <numerusform>%n partícula no total</numerusform>
            <numerusform>%n partículas no total</numerusform>
        </translation>
    </message>
    <message>
        <source>Force coefficients:</source>
        <translation>Coeficientes de força:</translation>
    </message>
    <message>
        <source>Type %1 (%2)</source>
        <translation>Tipo %1 (%2)</translation>
    </message>
    <message>
        <source>Mass %1  charge %2</source>
        <extracomment>The panel holds about 185 pixels: &quot;Mass 200.500 charge 2&quot; just fits; a translation too long may use the symbols (&quot;m = %1 q = %2&quot;).</extracomment>
        <translation>Massa %1  carga %2</translation>
    </message>
</context>
<context>
    <name>EditorKeys</name>
    <message>
        <source>Project name</source>
        <translation>Nome do projeto</translation>
    </message>
    <message>
        <source>Number of particle types</source>
        <translation>Número de tipos</translation>
    </message>
    <message>
        <source>Strong force coefficient</source>
        <translation>Coef. força forte</translation>
    </message>
    <message>
        <source>Weak force (gravity)</source>
        <translation>Força fraca (gravidade)</translation>
    </message>
    <message>
        <source>Repelling force</source>
        <translation>Força de repulsão</translation>
    </message>
    <message>
        <source>Number of particles</source>
        <translation>Número de partículas</translation>
    </message>
    <message>
        <source>mass</source>
        <translation>massa</translation>
    </message>
    <message>
        <source>Electric charge</source>
        <translation>Carga elétrica</translation>
    </message>
    <message>
        <source>Display diameter</source>
        <translation>Diâmetro na tela</translation>
    </message>
    <message>
        <source>Display color</source>
        <translation>Cor na tela</translation>
    </message>
</context>
<context>
    <name>ForcesEditor</name>
    <message>
        <source>Force between Type%1 and Type%2 against distance, %3 to %4, for ae = %5, ag = %6, ar = %7</source>
        <extracomment>What a screen reader says of the force plot. %1, %2: the two types&apos; numbers; %3, %4: the first and last distance; %5, %6, %7: the three coefficients.</extracomment>
        <translation>Força entre o tipo %1 e o tipo %2 em função da distância, de %3 a %4, para ae = %5, ag = %6, ar = %7</translation>
    </message>
    <message>
        <source>%1: %2 at every distance.</source>
        <extracomment>%1: the plot&apos;s description above; %2: the force, the same at every distance.</extracomment>
        <translation>%1: %2 em qualquer distância.</translation>
    </message>
    <message>
        <source>between %1 and %2</source>
        <translation>entre %1 e %2</translation>
    </message>
    <message>
        <source>%1 (positive attracts): smallest %2 at %3, largest %4 at %5; it does not change sign.</source>
        <extracomment>%1: the plot&apos;s description; %2 the smallest force, at distance %3; %4 the largest, at distance %5. A positive force attracts.</extracomment>
        <translation>%1 (positiva atrai): mínima %2 em %3, máxima %4 em %5; não muda de sinal.</translation>
    </message>
    <message>
        <source>%1 (positive attracts): smallest %2 at %3, largest %4 at %5; it changes sign %6.</source>
        <extracomment>As the text before, and %6 the list of &quot;between %1 and %2&quot; where the force changes sign.</extracomment>
        <translation>%1 (positiva atrai): mínima %2 em %3, máxima %4 em %5; muda de sinal %6.</translation>
    </message>
    <message>
        <source>Force between types:</source>
        <translation>Força entre os tipos:</translation>
    </message>
    <message>
        <source>Terminate force parameters</source>
        <translation>Fechar parâmetros de força</translation>
    </message>
    <message>
        <source>The first type of the pair plotted</source>
        <translation>O primeiro tipo do par no gráfico</translation>
    </message>
    <message>
        <source>The second type of the pair plotted</source>
        <translation>O segundo tipo do par no gráfico</translation>
    </message>
    <message>
        <source>After each done, the force between these two types is plotted against their distance</source>
        <translation>Após cada “concluir”, a força entre estes dois tipos é traçada em função da distância</translation>
    </message>
    <message>
        <source>Type%1</source>
        <extracomment>An entry of the two type lists, 113 and 105 pixels wide; %1: the type&apos;s number.</extracomment>
        <translation>Tipo %1</translation>
    </message>
    <message>
        <source>Strong attraction</source>
        <translation>Atração forte</translation>
    </message>
    <message>
        <source>Weak attraction</source>
        <translation>Atração fraca</translation>
    </message>
    <message>
        <source>Repelling</source>
        <translation>Repulsão</translation>
    </message>
    <message>
        <source>done</source>
        <translation>concluir</translation>
    </message>
    <message>
        <source>Force parameters</source>
        <translation>Parâmetros de força</translation>
    </message>
    <message>
        <source>Horizontal angle</source>
        <translation>Ângulo horizontal</translation>
    </message>
</context>
<context>
    <name>ProjectEditor</name>
    <message>
        <source>at most 20 types</source>
        <translation>no máximo 20 tipos</translation>
    </message>
    <message>
        <source>0 or more</source>
        <translation>0 ou mais</translation>
    </message>
    <message>
        <source>at most 200 in all</source>
        <translation>máx. 200 no total</translation>
    </message>
    <message>
        <source>a number, not 0</source>
        <translation>um número, não 0</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Project data</source>
        <translation>Dados do projeto</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Nome do projeto</translation>
    </message>
    <message>
        <source>Number of particle types</source>
        <translation>Número de tipos</translation>
    </message>
    <message>
        <source>Strong force coefficient</source>
        <translation>Coef. força forte</translation>
    </message>
    <message>
        <source>Weak force (gravity)</source>
        <translation>Força fraca (gravidade)</translation>
    </message>
    <message>
        <source>Repelling force</source>
        <translation>Força de repulsão</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>Edit forces</source>
        <translation>Editar forças</translation>
    </message>
    <message>
        <source>Number of particles</source>
        <translation>Número de partículas</translation>
    </message>
    <message>
        <source>mass</source>
        <translation>massa</translation>
    </message>
    <message>
        <source>Electric charge</source>
        <translation>Carga elétrica</translation>
    </message>
    <message>
        <source>Display diameter</source>
        <translation>Diâmetro na tela</translation>
    </message>
    <message>
        <source>Display color (click below) </source>
        <translation>Cor (clique abaixo) </translation>
    </message>
    <message>
        <source>Zentova - Project : %1</source>
        <extracomment>The main window&apos;s title while the types are entered; %1: the project&apos;s name.</extracomment>
        <translation>Zentova - Projeto : %1</translation>
    </message>
    <message>
        <source>New project</source>
        <translation>Novo projeto</translation>
    </message>
    <message>
        <source>Particle type %1 OK ?</source>
        <extracomment>The type box&apos;s OK button, 177 pixels wide; %1: the type&apos;s number (1 to 20).</extracomment>
        <translation>Tipo %1 OK ?</translation>
    </message>
    <message>
        <source>Patricles of type %1 - parameters</source>
        <extracomment>The type box&apos;s title; %1: the type&apos;s number (1 to 20).</extracomment>
        <translation>Partículas do tipo %1 - parâmetros</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Advanced setup</source>
        <translation>Configuração avançada</translation>
    </message>
    <message>
        <source>Integration step</source>
        <translation>Passo de integração</translation>
    </message>
    <message>
        <source>Dumping coeff.</source>
        <translation>Amortecimento</translation>
    </message>
    <message>
        <source>Enable fog</source>
        <translation>Ativar neblina</translation>
    </message>
    <message>
        <source>Show cube limits</source>
        <translation>Mostrar arestas do cubo</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Cor de fundo</translation>
    </message>
    <message>
        <source>Back to defaults</source>
        <translation>Valores padrão</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>The settings could not be saved; they apply until the program ends.</source>
        <translation>Não foi possível salvar as configurações; elas valem até o programa terminar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; the step stays %2. </source>
        <extracomment>%1: the text typed for the integration step; %2: the step kept.</extracomment>
        <translation>“%1” não é um número; o passo continua %2. </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; the damping stays %2.</source>
        <extracomment>%1: the text typed for the damping; %2: the damping kept.</extracomment>
        <translation>“%1” não é um número; o amortecimento continua %2.</translation>
    </message>
</context>
</TS>
