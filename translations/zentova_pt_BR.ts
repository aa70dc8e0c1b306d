<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Analysis</name>
    <message numerus="yes">
        <source>%n position lies outside the cube and is left out; the frames holding them are left out of the wandering.</source>
        <translation>
            <numerusform>%n posição fica fora do cubo e é deixada de fora; os quadros que a contêm ficam fora do deslocamento.</numerusform>
            <numerusform>%n posições ficam fora do cubo e são deixadas de fora; os quadros que as contêm ficam fora do deslocamento.</numerusform>
        </translation>
    </message>
    <message>
        <source>The wandering uses %1 of the frames: the others hold other particles.</source>
        <translation>O deslocamento usa %1 dos quadros: os outros contêm outras partículas.</translation>
    </message>
    <message>
        <source>There are no kinetic energies: %1 holds no readings.</source>
        <translation>Não há energias cinéticas: %1 não contém medições.</translation>
    </message>
    <message>
        <source>There are no kinetic energies: %1 is missing (calculate the project again to make it).</source>
        <translation>Não há energias cinéticas: %1 não existe (calcule o projeto de novo para criá-lo).</translation>
    </message>
    <message numerus="yes">
        <source>%n position lies outside the box and is left out.</source>
        <translation>
            <numerusform>%n posição fica fora da caixa e é deixada de fora.</numerusform>
            <numerusform>%n posições ficam fora da caixa e são deixadas de fora.</numerusform>
        </translation>
    </message>
    <message>
        <source>The box is not a cube: g(r) is normalised for a cube of its volume.</source>
        <translation>A caixa não é um cubo: g(r) é normalizada para um cubo de mesmo volume.</translation>
    </message>
    <message>
        <source>There are no kinetic energies: %1 holds no thermo rows of this export&apos;s columns at the dump&apos;s frames.</source>
        <translation>Não há energias cinéticas: %1 não contém, nos quadros do dump, linhas thermo com as colunas desta exportação.</translation>
    </message>
    <message>
        <source>type %1</source>
        <translation>tipo %1</translation>
    </message>
    <message>
        <source>types</source>
        <translation>tipos</translation>
    </message>
    <message>
        <source>first peak at (cube units)</source>
        <translation>primeiro pico em (unidades do cubo)</translation>
    </message>
    <message>
        <source>first dip at (cube units)</source>
        <translation>primeiro vale em (unidades do cubo)</translation>
    </message>
    <message>
        <source>neighbours of the second type around one of the first</source>
        <translation>vizinhas do segundo tipo em torno de uma do primeiro</translation>
    </message>
    <message>
        <source>neighbours of the first type around one of the second</source>
        <translation>vizinhas do primeiro tipo em torno de uma do segundo</translation>
    </message>
    <message>
        <source>no clear peak</source>
        <translation>sem pico claro</translation>
    </message>
    <message>
        <source>no clear dip</source>
        <translation>sem vale claro</translation>
    </message>
    <message>
        <source>Why the values reach far above 1:</source>
        <translation>Por que os valores passam muito de 1:</translation>
    </message>
    <message>
        <source>the particles gathered into a lump about %1 cube units across, which fills about %2 % of the cube (a ball as spread out about its centre as they are). Inside it they meet one another about %3 times as often as if spread through the whole cube, so g(r) stands that much higher than chance inside the lump, and falls to 0 at distances longer than the lump is wide.</source>
        <translation>as partículas se juntaram num aglomerado de cerca de %1 unidades do cubo de largura, que ocupa cerca de %2 % do cubo (uma bola tão espalhada em torno do centro quanto elas). Dentro dele elas se encontram cerca de %3 vezes mais do que se estivessem espalhadas pelo cubo inteiro, por isso g(r) fica dentro do aglomerado bem acima do acaso, e cai a 0 em distâncias maiores que a largura do aglomerado.</translation>
    </message>
    <message>
        <source>Divided by %1, g(r) compares with the lump&apos;s own density.</source>
        <translation>Dividida por %1, g(r) se compara com a densidade do próprio aglomerado.</translation>
    </message>
    <message>
        <source>Divided by %1, g(r) compares with the lump&apos;s own density: the highest value, %2 (types %3 – %4 at r = %5), is then %6 times the lump&apos;s own density, still far above 1: those particles gather more densely within the lump, such as in a core at its middle.</source>
        <translation>Dividida por %1, g(r) se compara com a densidade do próprio aglomerado: o maior valor, %2 (tipos %3 – %4 em r = %5), é então %6 vezes a densidade do próprio aglomerado, ainda muito acima de 1: essas partículas se concentram mais dentro do aglomerado, como num núcleo no meio dele.</translation>
    </message>
    <message>
        <source>Divided by %1, g(r) compares with the lump&apos;s own density: the highest value, %2 (types %3 – %4 at r = %5), is then %6 times the lump&apos;s own density.</source>
        <translation>Dividida por %1, g(r) se compara com a densidade do próprio aglomerado: o maior valor, %2 (tipos %3 – %4 em r = %5), é então %6 vezes a densidade do próprio aglomerado.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The highest point&lt;/b&gt;, %1 per particle at t = %2, is %3 times the mean of the run&apos;s second half (%4); it came while the bath was raised to x %5.</source>
        <translation>&lt;b&gt;O ponto mais alto&lt;/b&gt;, %1 por partícula em t = %2, é %3 vezes a média da segunda metade do cálculo (%4); veio enquanto o banho estava elevado a x %5.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The highest point&lt;/b&gt;, %1 per particle at t = %2, is %3 times the mean of the run&apos;s second half (%4): the bath was not raised then, so it is energy of position turned into motion as the particles&apos; forces drew them together (into a lump) or drove them apart, faster than the bath&apos;s damping took it away.</source>
        <translation>&lt;b&gt;O ponto mais alto&lt;/b&gt;, %1 por partícula em t = %2, é %3 vezes a média da segunda metade do cálculo (%4): o banho não estava elevado então, logo é energia de posição transformada em movimento quando as forças das partículas as juntaram (num aglomerado) ou as afastaram, mais depressa do que o amortecimento do banho a retirava.</translation>
    </message>
    <message>
        <source>It sets the plot&apos;s scale, so the rest of the run looks small beside it; energies.csv holds every value.</source>
        <translation>Ele define a escala do gráfico, e o resto do cálculo parece pequeno ao lado; energies.csv contém todos os valores.</translation>
    </message>
    <message>
        <source>How far apart the particles sit: g(r)</source>
        <translation>A que distância as partículas ficam: g(r)</translation>
    </message>
    <message>
        <source>This graph shows how often two particles are found at a distance r from each other, compared with particles scattered by chance in the box. A value of 1 means &quot;as often as by chance&quot;. A tall, narrow peak means the particles like to keep exactly that distance, a sign of order as in a crystal; a flat line near 1 means no order, as in a gas. The table counts, for each kind, how many partners of the other kind sit closer than the first dip after the first peak: the nearest neighbours.</source>
        <translation>Este gráfico mostra com que frequência duas partículas estão a uma distância r uma da outra, comparado com partículas espalhadas ao acaso na caixa. Um valor de 1 quer dizer “tão frequente quanto por acaso”. Um pico alto e estreito quer dizer que as partículas gostam de manter exatamente essa distância, sinal de ordem como num cristal; uma linha plana perto de 1 quer dizer nenhuma ordem, como num gás. A tabela conta, para cada tipo, quantas parceiras do outro tipo estão mais perto que o primeiro vale depois do primeiro pico: as vizinhas mais próximas.</translation>
    </message>
    <message>
        <source>Radial distribution g(r)</source>
        <translation>Distribuição radial g(r)</translation>
    </message>
    <message>
        <source>distance r (cube units)</source>
        <translation>distância r (unidades do cubo)</translation>
    </message>
    <message>
        <source>g(r) (1 = as often as by chance)</source>
        <translation>g(r) (1 = tão frequente quanto por acaso)</translation>
    </message>
    <message>
        <source>types %1 – %2</source>
        <translation>tipos %1 – %2</translation>
    </message>
    <message>
        <source>How far the particles wander</source>
        <translation>Quanto as partículas se deslocam</translation>
    </message>
    <message>
        <source>This graph shows how far, on average, a particle of each kind has moved away from where it was, against how long we waited (the distance is squared, so 100 means 10 cube units). A line that keeps climbing means the particles roam about, as in a gas or a liquid; a line that soon flattens means each particle stays near its place, as in a solid.</source>
        <translation>Este gráfico mostra quanto, em média, uma partícula de cada tipo se afastou de onde estava, conforme o tempo de espera (a distância está ao quadrado, então 100 quer dizer 10 unidades do cubo). Uma linha que continua subindo quer dizer que as partículas vagueiam, como num gás ou num líquido; uma linha que logo fica plana quer dizer que cada partícula fica perto do seu lugar, como num sólido.</translation>
    </message>
    <message>
        <source>Mean square displacement</source>
        <translation>Deslocamento quadrático médio</translation>
    </message>
    <message>
        <source>time lag (time units)</source>
        <translation>intervalo de tempo (unidades de tempo)</translation>
    </message>
    <message>
        <source>mean square displacement (cube units²)</source>
        <translation>deslocamento quadrático médio (unidades do cubo²)</translation>
    </message>
    <message>
        <source>&lt;b&gt;The plot is empty:&lt;/b&gt; the wandering needs two frames or more that hold the same particles, and only one such frame is analysed. Choose a longer stretch of the run with --from and --to.</source>
        <translation>&lt;b&gt;O gráfico está vazio:&lt;/b&gt; o deslocamento precisa de dois quadros ou mais com as mesmas partículas, e só um quadro assim é analisado. Escolha um trecho mais longo do cálculo com --from e --to.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The plot is empty:&lt;/b&gt; the wandering needs two frames or more that hold the same particles, and no such frame is analysed. Choose a longer stretch of the run with --from and --to.</source>
        <translation>&lt;b&gt;O gráfico está vazio:&lt;/b&gt; o deslocamento precisa de dois quadros ou mais com as mesmas partículas, e nenhum quadro assim é analisado. Escolha um trecho mais longo do cálculo com --from e --to.</translation>
    </message>
    <message>
        <source>Where each kind gathers</source>
        <translation>Onde cada tipo se junta</translation>
    </message>
    <message>
        <source>This graph shows, for each kind of particle, which share of its particles lies at each distance from the middle of the whole group (its centre of mass), in shells one cube unit thick. Each kind&apos;s line adds up to 100 %, so a kind of few particles compares with a kind of many: a kind whose line rises and falls on the left gathers in the middle; a kind whose line lies further right stays on the outside. The numbers also give each kind&apos;s density in each shell.</source>
        <translation>Este gráfico mostra, para cada tipo de partícula, que parte das suas partículas está a cada distância do meio do grupo todo (o seu centro de massa), em camadas de uma unidade do cubo de espessura. A linha de cada tipo soma 100 %, assim um tipo de poucas partículas se compara com um de muitas: um tipo cuja linha sobe e desce à esquerda se junta no meio; um tipo cuja linha fica mais à direita fica por fora. Os números dão também a densidade de cada tipo em cada camada.</translation>
    </message>
    <message>
        <source>Where each kind lies from the centre of mass</source>
        <translation>Onde cada tipo fica em relação ao centro de massa</translation>
    </message>
    <message>
        <source>distance from the centre of mass (cube units)</source>
        <translation>distância ao centro de massa (unidades do cubo)</translation>
    </message>
    <message>
        <source>share of the kind&apos;s particles in the shell (%)</source>
        <translation>parte das partículas do tipo na camada (%)</translation>
    </message>
    <message>
        <source>How lively the particles are: kinetic energy</source>
        <translation>Quão agitadas as partículas estão: energia cinética</translation>
    </message>
    <message>
        <source>This graph shows the energy of motion (kinetic energy) of an average particle, of all of them and of each kind, as time goes on; it covers the whole run. Hotter means faster. Lines that go down mean the system cools down; lines that level off mean it has settled.</source>
        <translation>Este gráfico mostra a energia de movimento (energia cinética) de uma partícula média, de todas e de cada tipo, ao longo do tempo; cobre o cálculo inteiro. Mais quente quer dizer mais rápido. Linhas que descem querem dizer que o sistema esfria; linhas que se estabilizam, que ele se assentou.</translation>
    </message>
    <message>
        <source>Kinetic energy</source>
        <translation>Energia cinética</translation>
    </message>
    <message>
        <source>time (time units)</source>
        <translation>tempo (unidades de tempo)</translation>
    </message>
    <message>
        <source>kinetic energy per particle (energy units)</source>
        <translation>energia cinética por partícula (unidades de energia)</translation>
    </message>
    <message>
        <source>all particles (all of type %1)</source>
        <translation>todas as partículas (todas do tipo %1)</translation>
    </message>
    <message>
        <source>all particles</source>
        <translation>todas as partículas</translation>
    </message>
    <message>
        <source>Heating and cooling: kinetic energy against the bath</source>
        <translation>Aquecer e esfriar: energia cinética versus o banho</translation>
    </message>
    <message>
        <source>The run changed the bath&apos;s temperature (with the keys H, C and B, or with --bath). Each point is one stretch at one bath: across, how hot the bath was (1 = the setup&apos;s); up, the energy of motion an average particle settled at, the mean over the stretch&apos;s second half (in heating.csv, frames counts the whole stretch and frames_in_mean its second half). The line joins the settled stretches in the order of the run. The bath sets the temperature, so the settled points lie close to a straight line through zero; one far off it shows the particles heating themselves, as a lump does while it forms. Whether the particles melted shows in g(r) and the wandering: analyse each stretch with --from and --to.</source>
        <translation>O cálculo mudou a temperatura do banho (com as teclas H, C e B, ou com --bath). Cada ponto é um trecho com um mesmo banho: na horizontal, quão quente estava o banho (1 = o da configuração); na vertical, a energia de movimento em que uma partícula média se estabilizou, a média da segunda metade do trecho (em heating.csv, frames conta o trecho inteiro e frames_in_mean a sua segunda metade). A linha liga os trechos estabilizados na ordem do cálculo. O banho define a temperatura, então os pontos estabilizados ficam perto de uma reta que passa pelo zero; um ponto bem afastado mostra partículas que se aquecem sozinhas, como um aglomerado enquanto se forma. Se as partículas derreteram, g(r) e o deslocamento mostram: analise cada trecho com --from e --to.</translation>
    </message>
    <message>
        <source>Heating curve</source>
        <translation>Curva de aquecimento</translation>
    </message>
    <message>
        <source>bath (times the setup&apos;s temperature)</source>
        <translation>banho (vezes a temperatura da configuração)</translation>
    </message>
    <message>
        <source>settled, in the order of the run</source>
        <translation>estabilizados, na ordem do cálculo</translation>
    </message>
    <message>
        <source>too short to settle</source>
        <translation>curtos demais para estabilizar</translation>
    </message>
    <message numerus="yes">
        <source>x %1 (%n frames, from t = %2)</source>
        <translation>
            <numerusform>x %1 (%n quadro, a partir de t = %2)</numerusform>
            <numerusform>x %1 (%n quadros, a partir de t = %2)</numerusform>
        </translation>
    </message>
    <message>
        <source>&lt;b&gt;One stretch was too short to settle&lt;/b&gt;, drawn hollow and not joined: bath %1. The particles had not yet followed its bath: its second half began less than the bath&apos;s relaxation time (%2 time units with the setup&apos;s damping) after its first frame, or held fewer than %3 frames. Their energies lag behind and show no melting point; hold a bath longer to measure it.</source>
        <translation>&lt;b&gt;Um trecho foi curto demais para estabilizar&lt;/b&gt;, desenhado vazado e sem ligação: banho %1. As partículas ainda não tinham acompanhado o seu banho: a sua segunda metade começou menos de um tempo de relaxação do banho (%2 unidades de tempo com o amortecimento da configuração) depois do seu primeiro quadro, ou tinha menos de %3 quadros. As suas energias ficam atrasadas e não mostram ponto de fusão; mantenha um banho por mais tempo para medi-lo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Some stretches were too short to settle&lt;/b&gt;, drawn hollow and not joined: bath %1. The particles had not yet followed their baths: each one&apos;s second half began less than the bath&apos;s relaxation time (%2 time units with the setup&apos;s damping) after its first frame, or held fewer than %3 frames. Their energies lag behind and show no melting point; hold a bath longer to measure it.</source>
        <translation>&lt;b&gt;Alguns trechos foram curtos demais para estabilizar&lt;/b&gt;, desenhados vazados e sem ligação: banho %1. As partículas ainda não tinham acompanhado os seus banhos: a segunda metade de cada um começou menos de um tempo de relaxação do banho (%2 unidades de tempo com o amortecimento da configuração) depois do seu primeiro quadro, ou tinha menos de %3 quadros. As suas energias ficam atrasadas e não mostram ponto de fusão; mantenha um banho por mais tempo para medi-lo.</translation>
    </message>
    <message>
        <source>The structure and the wandering use the one frame, at t = %1.</source>
        <translation>A estrutura e o deslocamento usam o único quadro, em t = %1.</translation>
    </message>
    <message numerus="yes">
        <source>The structure and the wandering use %1 of the %n frames, from t = %2 to t = %3.</source>
        <translation>
            <numerusform>A estrutura e o deslocamento usam %1 de %n quadro, de t = %2 a t = %3.</numerusform>
            <numerusform>A estrutura e o deslocamento usam %1 dos %n quadros, de t = %2 a t = %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The structure and the wandering use %1 of the %n frames, from t = %2 to t = %3 (one in every %4, %5 frames).</source>
        <translation>
            <numerusform>A estrutura e o deslocamento usam %1 de %n quadro, de t = %2 a t = %3 (um a cada %4, %5 quadros).</numerusform>
            <numerusform>A estrutura e o deslocamento usam %1 dos %n quadros, de t = %2 a t = %3 (um a cada %4, %5 quadros).</numerusform>
        </translation>
    </message>
    <message>
        <source>The structure and the wandering use the one frame of %1 particles, at t = %2.</source>
        <translation>A estrutura e o deslocamento usam o único quadro de %1 partículas, em t = %2.</translation>
    </message>
    <message numerus="yes">
        <source>The structure and the wandering use %1 of the %n frames of %2 particles, from t = %3 to t = %4.</source>
        <translation>
            <numerusform>A estrutura e o deslocamento usam %1 de %n quadro de %2 partículas, de t = %3 a t = %4.</numerusform>
            <numerusform>A estrutura e o deslocamento usam %1 dos %n quadros de %2 partículas, de t = %3 a t = %4.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The structure and the wandering use %1 of the %n frames of %2 particles, from t = %3 to t = %4 (one in every %5, %6 frames).</source>
        <translation>
            <numerusform>A estrutura e o deslocamento usam %1 de %n quadro de %2 partículas, de t = %3 a t = %4 (um a cada %5, %6 quadros).</numerusform>
            <numerusform>A estrutura e o deslocamento usam %1 dos %n quadros de %2 partículas, de t = %3 a t = %4 (um a cada %5, %6 quadros).</numerusform>
        </translation>
    </message>
    <message>
        <source>Zentova analysis of %1</source>
        <translation>Análise do Zentova de %1</translation>
    </message>
    <message>
        <source>What happened in &quot;%1&quot;</source>
        <translation>O que aconteceu em “%1”</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Observação:</translation>
    </message>
    <message>
        <source>Numbers: %1, picture: %2</source>
        <translation>Números: %1, imagem: %2</translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <source>The final state belongs to another project:</source>
        <translation>O estado final pertence a outro projeto:</translation>
    </message>
    <message>
        <source>Answer YES to &quot;Overwrite&quot; to start this project anew.</source>
        <translation>Responda SIM a “Sobrescrever” para recomeçar este projeto.</translation>
    </message>
    <message>
        <source>Its last frame: t = %1; the final state: t = %2.</source>
        <translation>Seu último quadro: t = %1; o estado final: t = %2.</translation>
    </message>
    <message>
        <source>The trajectory goes on past the final state.</source>
        <translation>A trajetória vai além do estado final.</translation>
    </message>
    <message>
        <source>Nothing was appended: new frames would go back in time.</source>
        <translation>Nada foi acrescentado: novos quadros voltariam no tempo.</translation>
    </message>
    <message>
        <source>Answer YES to &quot;Overwrite&quot; to start afresh.</source>
        <translation>Responda SIM a “Sobrescrever” para começar do zero.</translation>
    </message>
    <message>
        <source>The calculation cannot go on from the files.</source>
        <translation>O cálculo não pode continuar a partir dos arquivos.</translation>
    </message>
    <message>
        <source>There is no final state to continue from:</source>
        <translation>Não há estado final de onde continuar:</translation>
    </message>
    <message>
        <source>The calculation goes on from the particles as they are now.</source>
        <translation>O cálculo continua das partículas como estão agora.</translation>
    </message>
    <message>
        <source>The trajectory was brought in line with the final state:</source>
        <translation>A trajetória foi ajustada ao estado final:</translation>
    </message>
    <message>
        <source>The readings were brought in line with the trajectory:</source>
        <translation>As medidas foram ajustadas à trajetória:</translation>
    </message>
    <message>
        <source>The calculation stopped at time %1.</source>
        <translation>O cálculo parou no tempo %1.</translation>
    </message>
    <message>
        <source>Choose a smaller step in &quot;Advanced setup&quot;.</source>
        <translation>Escolha um passo menor em “Configuração avançada”.</translation>
    </message>
    <message>
        <source>Choose a smaller damping or step in &quot;Advanced setup&quot;.</source>
        <translation>Escolha um amortecimento ou passo menor em “Configuração avançada”.</translation>
    </message>
    <message>
        <source>Give type %1 a larger mass in &quot;Show/Edit project&quot;.</source>
        <translation>Dê ao tipo %1 uma massa maior em “Ver/editar projeto”.</translation>
    </message>
    <message>
        <source>The motion became unstable: %1.</source>
        <translation>O movimento ficou instável: %1.</translation>
    </message>
    <message>
        <source>The files keep every frame written before.</source>
        <translation>Os arquivos guardam todos os quadros já escritos.</translation>
    </message>
    <message>
        <source>The calculation cannot start:</source>
        <translation>O cálculo não pode começar:</translation>
    </message>
    <message>
        <source>Wait until the other calculation ends, or stop it.</source>
        <translation>Espere o outro cálculo terminar, ou pare-o.</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Overwrite old trajectory file ?</source>
        <translation>Sobrescrever o arquivo de trajetória antigo?</translation>
    </message>
    <message>
        <source>Append to old trajectory file ?</source>
        <translation>Acrescentar ao arquivo de trajetória antigo?</translation>
    </message>
    <message>
        <source>Paused: click or press a key on the main window to go on</source>
        <translation>Pausa: clique ou tecla na janela principal continua</translation>
    </message>
    <message>
        <source>Stopped: click to return to the menu</source>
        <translation>Parado: clique para voltar ao menu</translation>
    </message>
    <message>
        <source>This project cannot be calculated:</source>
        <translation>Este projeto não pode ser calculado:</translation>
    </message>
    <message>
        <source>The calculation cannot start; see &quot;Advanced setup&quot;.</source>
        <translation>O cálculo não pode começar; veja “Configuração avançada”.</translation>
    </message>
    <message>
        <source>The calculation stopped; the files keep what was written.</source>
        <translation>O cálculo parou; os arquivos guardam o que foi escrito.</translation>
    </message>
    <message numerus="yes">
        <source>Calculation of %n particles</source>
        <translation>
            <numerusform>Cálculo de %n partícula</numerusform>
            <numerusform>Cálculo de %n partículas</numerusform>
        </translation>
    </message>
    <message>
        <source>t = %1   frames %2   %3 steps/s   mean kinetic energy %4 per particle   bath x %5</source>
        <translation>t = %1   quadros %2   %3 passos/s   Ec média %4 por partícula   banho x %5</translation>
    </message>
    <message>
        <source>%1 is for other types or damaged.</source>
        <translation>%1 é de outros tipos ou está danificado.</translation>
    </message>
    <message>
        <source>There are no readings: %1 is missing.</source>
        <translation>Não há medidas: falta %1.</translation>
    </message>
    <message>
        <source>the frame of the final state (t = %1) was missing and was added</source>
        <translation>o quadro do estado final (t = %1) faltava e foi acrescentado</translation>
    </message>
    <message>
        <source>the frame cut short at line %1 was left out</source>
        <translation>o quadro interrompido na linha %1 foi omitido</translation>
    </message>
    <message>
        <source>the damping %1 is too large for the integration step %2</source>
        <translation>o amortecimento %1 é grande demais para o passo de integração %2</translation>
    </message>
    <message>
        <source>the mass of type %1 (%2) is too small for the integration step %3</source>
        <translation>a massa do tipo %1 (%2) é pequena demais para o passo de integração %3</translation>
    </message>
    <message>
        <source>the integration step %1 is too large for these forces</source>
        <translation>o passo de integração %1 é grande demais para estas forças</translation>
    </message>
    <message>
        <source>%1, with the bath at %2 times the setup&apos;s</source>
        <translation>%1, com o banho a %2 vezes o ajuste</translation>
    </message>
    <message>
        <source>The calculation cannot start.</source>
        <translation>O cálculo não pode começar.</translation>
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
    <name>Keys</name>
    <message>
        <source>Up, Down, Tab, Shift+Tab</source>
        <translation>Cima, Baixo, Tab, Shift+Tab</translation>
    </message>
    <message>
        <source>move the focus frame along the menu&apos;s enabled items</source>
        <translation>move a moldura pelos itens ativos do menu</translation>
    </message>
    <message>
        <source>Enter or Space</source>
        <translation>Enter ou Espaço</translation>
    </message>
    <message>
        <source>choose the item in the frame</source>
        <translation>escolhe o item na moldura</translation>
    </message>
    <message>
        <source>Y or Enter / N</source>
        <translation>S, Y ou Enter / N</translation>
    </message>
    <message>
        <source>answer a question YES / NO</source>
        <translation>responde SIM / NÃO a uma pergunta</translation>
    </message>
    <message>
        <source>Left, Right (then Enter or Space)</source>
        <translation>Esq., Dir. (depois Enter)</translation>
    </message>
    <message>
        <source>move the frame between YES and NO (and answer)</source>
        <translation>move a moldura entre SIM e NÃO (e responde)</translation>
    </message>
    <message>
        <source>any key</source>
        <translation>qualquer tecla</translation>
    </message>
    <message>
        <source>goes on from the cover, a note or a graph</source>
        <translation>segue após a capa, um aviso ou um gráfico</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Shift+Tab</translation>
    </message>
    <message>
        <source>move through an editor&apos;s fields and buttons in reading order</source>
        <translation>percorre campos e botões de um editor na ordem de leitura</translation>
    </message>
    <message>
        <source>Enter (in a field)</source>
        <translation>Enter (num campo)</translation>
    </message>
    <message>
        <source>the box&apos;s OK (Done, Particle type OK ?, Ready, done)</source>
        <translation>o OK da caixa (Feito, Tipo de partícula OK ?, Pronto, feito)</translation>
    </message>
    <message>
        <source>Space or Enter (on a button)</source>
        <translation>Espaço ou Enter (num botão)</translation>
    </message>
    <message>
        <source>presses it</source>
        <translation>aperta o botão</translation>
    </message>
    <message>
        <source>F1 or ?</source>
        <translation>F1 ou ?</translation>
    </message>
    <message>
        <source>the keyboard help</source>
        <translation>a ajuda do teclado</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>ends the program</source>
        <translation>encerra o programa</translation>
    </message>
    <message>
        <source>Left, Right</source>
        <translation>Esquerda, Direita</translation>
    </message>
    <message>
        <source>Horizontal angle, one way or the other, while held</source>
        <translation>Ângulo horizontal, num sentido ou noutro, enquanto pressionada</translation>
    </message>
    <message>
        <source>Up, Down</source>
        <translation>Cima, Baixo</translation>
    </message>
    <message>
        <source>Vertical angle, one way or the other, while held</source>
        <translation>Ângulo vertical, num sentido ou no outro, enquanto pressionada</translation>
    </message>
    <message>
        <source>+ or Page Up</source>
        <translation>+ ou Page Up</translation>
    </message>
    <message>
        <source>Zoom nearer, while held</source>
        <translation>Aproxima, enquanto pressionada</translation>
    </message>
    <message>
        <source>- or Page Down</source>
        <translation>- ou Page Down</translation>
    </message>
    <message>
        <source>Zoom away, while held</source>
        <translation>Afasta, enquanto pressionada</translation>
    </message>
    <message>
        <source>Home or O</source>
        <translation>Home ou O</translation>
    </message>
    <message>
        <source>Original angle</source>
        <translation>Ângulo inicial</translation>
    </message>
    <message>
        <source>P or Space</source>
        <translation>P ou Espaço</translation>
    </message>
    <message>
        <source>pause (the buttons still turn and zoom) and go on</source>
        <translation>pausa (os botões ainda giram e aproximam) e continua</translation>
    </message>
    <message>
        <source>End or T</source>
        <translation>End ou T</translation>
    </message>
    <message>
        <source>Stop, or Terminate</source>
        <translation>Parar, ou Encerrar</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>once stopped: back to the menu, as a click</source>
        <translation>após parar: volta ao menu, como um clique</translation>
    </message>
    <message>
        <source>Tab, then Space or Enter</source>
        <translation>Tab, depois Enter</translation>
    </message>
    <message>
        <source>the button with the focus, as a click</source>
        <translation>o botão com o foco, como um clique (também Espaço)</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>a longer description of the picture</source>
        <translation>uma descrição mais longa da imagem</translation>
    </message>
    <message>
        <source>G, S, R</source>
        <translation>G, S, R</translation>
    </message>
    <message>
        <source>the Readings window, save the picture, record a movie</source>
        <translation>a janela das medidas, salvar a imagem, gravar um vídeo</translation>
    </message>
    <message>
        <source>H, C, B</source>
        <translation>H, C, B</translation>
    </message>
    <message>
        <source>Calculate: kicks 1.25 x stronger, weaker, back to the setup&apos;s bath</source>
        <translation>Calcular: choques 1,25 vez mais fortes, mais fracos, banho ajustado</translation>
    </message>
    <message>
        <source>the keyboard help of the view; again to close it</source>
        <translation>a ajuda do teclado da vista; de novo para fechar</translation>
    </message>
    <message>
        <source>closes that help, or ends a recording</source>
        <translation>fecha essa ajuda ou encerra uma gravação</translation>
    </message>
    <message>
        <source>Keys (any key or a click closes this help)</source>
        <translation>Teclas (uma tecla ou um clique fecha esta ajuda)</translation>
    </message>
    <message>
        <source>Keys of this window</source>
        <translation>Teclas desta janela</translation>
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
    <name>Playback</name>
    <message>
        <source>t = %1</source>
        <translation>t = %1</translation>
    </message>
    <message>
        <source>The trajectory cannot be replayed.</source>
        <translation>A trajetória não pode ser reproduzida.</translation>
    </message>
    <message>
        <source>Final state reached</source>
        <translation>Estado final alcançado</translation>
    </message>
    <message>
        <source>%1: the frame cut short at line %2 was left out</source>
        <translation>%1: o quadro interrompido na linha %2 foi omitido</translation>
    </message>
    <message>
        <source>Final state reached, %1</source>
        <translation>Estado final alcançado, %1</translation>
    </message>
    <message>
        <source>Stopped at %1</source>
        <translation>Parado em %1</translation>
    </message>
    <message>
        <source>Final state reached: click to return</source>
        <translation>Estado final alcançado: clique para voltar</translation>
    </message>
    <message>
        <source>Stopped: click to return to the menu</source>
        <translation>Parado: clique para voltar ao menu</translation>
    </message>
    <message numerus="yes">
        <source>History of %n particles</source>
        <translation>
            <numerusform>Histórico de %n partícula</numerusform>
            <numerusform>Histórico de %n partículas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1   frame %2</source>
        <translation>%1   quadro %2</translation>
    </message>
    <message>
        <source>The trajectory cannot be replayed further.</source>
        <translation>A trajetória não pode ser reproduzida adiante.</translation>
    </message>
    <message>
        <source>The final state cannot be shown.</source>
        <translation>O estado final não pode ser mostrado.</translation>
    </message>
    <message numerus="yes">
        <source>Final state at %1, %n particles</source>
        <translation>
            <numerusform>Estado final em %1, %n partícula</numerusform>
            <numerusform>Estado final em %1, %n partículas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Plot</name>
    <message>
        <source>%1, %2 against %3</source>
        <translation>%1, %2 versus %3</translation>
    </message>
    <message>
        <source>%1 highest %2 at %3</source>
        <translation>%1, máximo %2 em %3</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>não é um número</translation>
    </message>
    <message>
        <source>infinite</source>
        <translation>infinito</translation>
    </message>
    <message>
        <source>minus infinite</source>
        <translation>menos infinito</translation>
    </message>
    <message>
        <source>%1 times 10 to the %2</source>
        <translation>%1 vezes 10 elevado a %2</translation>
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
    <name>Prompts</name>
    <message>
        <source>Variable does not change</source>
        <translation>A grandeza não varia</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>SIM</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NÃO</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, linha %2</translation>
    </message>
</context>
<context>
    <name>Readings</name>
    <message>
        <source>Readings</source>
        <translation>Medições</translation>
    </message>
    <message>
        <source>Kinetic energy per particle</source>
        <translation>Energia cinética por partícula</translation>
    </message>
    <message>
        <source>time (time units)</source>
        <translation>tempo (unidades de tempo)</translation>
    </message>
    <message>
        <source>kinetic energy (energy units)</source>
        <translation>energia cinética (u. energia)</translation>
    </message>
    <message>
        <source>all particles</source>
        <translation>todas as partículas</translation>
    </message>
    <message>
        <source>type %1</source>
        <translation>tipo %1</translation>
    </message>
    <message>
        <source>bath (x the setup&apos;s)</source>
        <translation>banho (x o da configuração)</translation>
    </message>
    <message>
        <source>bath</source>
        <translation>banho</translation>
    </message>
    <message>
        <source>Kinetic energy per particle against time</source>
        <translation>Energia cinética por partícula versus o tempo</translation>
    </message>
    <message>
        <source>No readings yet.</source>
        <translation>Ainda não há medições.</translation>
    </message>
    <message numerus="yes">
        <source>%n frames, from t = %1 to t = %2. At t = %2: all particles %3</source>
        <translation>
            <numerusform>%n quadro, de t = %1 a t = %2. Em t = %2: todas as partículas %3</numerusform>
            <numerusform>%n quadros, de t = %1 a t = %2. Em t = %2: todas as partículas %3</numerusform>
        </translation>
    </message>
    <message>
        <source>, type %1 %2</source>
        <translation>, tipo %1 %2</translation>
    </message>
    <message>
        <source>; bath x %1.</source>
        <translation>; banho x %1.</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>the number of types is negative</source>
        <translation>o número de tipos é negativo</translation>
    </message>
    <message>
        <source>%1 particle types, at most %2 are allowed</source>
        <translation>%1 tipos de partículas, no máximo %2 são permitidos</translation>
    </message>
    <message>
        <source>type %1 has a negative particle count</source>
        <translation>o tipo %1 tem um número negativo de partículas</translation>
    </message>
    <message>
        <source>type %1 has a mass that is not a number</source>
        <translation>a massa do tipo %1 não é um número</translation>
    </message>
    <message>
        <source>type %1 has a mass of %2</source>
        <translation>o tipo %1 tem massa %2</translation>
    </message>
    <message>
        <source>type %1 has a diameter that is not a number</source>
        <translation>o diâmetro do tipo %1 não é um número</translation>
    </message>
    <message>
        <source>type %1 has a diameter of %2, diameters run from %3 to %4</source>
        <translation>o tipo %1 tem diâmetro %2, permitido de %3 a %4</translation>
    </message>
    <message>
        <source>%1 particles in all, at most %2 are allowed</source>
        <translation>%1 partículas no total, no máximo %2 são permitidas</translation>
    </message>
    <message>
        <source>a force coefficient is not a number</source>
        <translation>um coeficiente de força não é um número</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message numerus="yes">
        <source>Run of %n particles brought back from LAMMPS</source>
        <translation>
            <numerusform>Simulação de %n partícula trazida do LAMMPS</numerusform>
            <numerusform>Simulação de %n partículas trazida do LAMMPS</numerusform>
        </translation>
    </message>
    <message>
        <source>%1   frame %2</source>
        <translation>%1   quadro %2</translation>
    </message>
    <message>
        <source>Final state reached, %1</source>
        <translation>Estado final alcançado, %1</translation>
    </message>
    <message>
        <source>Stopped at %1</source>
        <translation>Parado em %1</translation>
    </message>
    <message>
        <source>no frame</source>
        <translation>nenhum quadro</translation>
    </message>
    <message>
        <source>Final state reached: click to end</source>
        <translation>Estado final alcançado: clique para terminar</translation>
    </message>
    <message>
        <source>Stopped: click to end</source>
        <translation>Parado: clique para terminar</translation>
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
    <name>View</name>
    <message>
        <source>Terminate</source>
        <translation>Encerrar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>t = %1</source>
        <translation>t = %1</translation>
    </message>
    <message>
        <source>Horizontal angle</source>
        <translation>Ângulo horizontal</translation>
    </message>
    <message>
        <source>Vertical angle</source>
        <translation>Ângulo vertical</translation>
    </message>
    <message>
        <source>Original angle</source>
        <translation>Ângulo inicial</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Simulation run</source>
        <translation>Simulação em andamento</translation>
    </message>
    <message>
        <source>Paused: P or Space goes on</source>
        <translation>Pausa: P/Espaço continua</translation>
    </message>
    <message numerus="yes">
        <source>Recording: %n frames</source>
        <translation>
            <numerusform>Vídeo: %n quadro</numerusform>
            <numerusform>Vídeo: %n quadros</numerusform>
        </translation>
    </message>
    <message>
        <source>the view shows no picture</source>
        <translation>a vista não mostra imagem</translation>
    </message>
    <message>
        <source>Picture saved as %1</source>
        <translation>Imagem salva como %1</translation>
    </message>
    <message>
        <source>The picture was not saved: %1</source>
        <translation>A imagem não foi salva: %1</translation>
    </message>
    <message>
        <source>The view is not recorded: %1</source>
        <translation>A vista não é gravada: %1</translation>
    </message>
    <message numerus="yes">
        <source>Movie saved as %1 (%n frames)</source>
        <translation>
            <numerusform>Vídeo salvo como %1 (%n quadro)</numerusform>
            <numerusform>Vídeo salvo como %1 (%n quadros)</numerusform>
        </translation>
    </message>
    <message>
        <source>The movie was not saved: %1</source>
        <translation>O vídeo não foi salvo: %1</translation>
    </message>
    <message>
        <source>The recording stopped: %1</source>
        <translation>A gravação parou: %1</translation>
    </message>
    <message>
        <source>nothing was recorded (the view drew no picture meanwhile), so no file was written</source>
        <translation>nada foi gravado (a vista não desenhou nenhuma imagem nesse meio-tempo), então nenhum arquivo foi escrito</translation>
    </message>
</context>
<context>
    <name>ViewDescription</name>
    <message>
        <source>No particles are shown.</source>
        <translation>Nenhuma partícula é mostrada.</translation>
    </message>
    <message>
        <source>%1 of type %2 (mass %3)</source>
        <translation>%1 do tipo %2 (massa %3)</translation>
    </message>
    <message>
        <source>The types are separated: the centres of types %1 and %2 lie %3 apart.</source>
        <translation>Os tipos estão separados: os centros dos tipos %1 e %2 distam %3.</translation>
    </message>
    <message>
        <source>The types are mixed: the centres of types %1 and %2 lie %3 apart.</source>
        <translation>Os tipos estão misturados: os centros dos tipos %1 e %2 distam %3.</translation>
    </message>
    <message>
        <source>paused, P goes on</source>
        <translation>em pausa, P continua</translation>
    </message>
    <message>
        <source>advancing, End or T stops</source>
        <translation>avançando, End ou T para</translation>
    </message>
    <message>
        <source>paused, a click or key on the main window goes on</source>
        <translation>em pausa, um clique ou tecla na janela principal continua</translation>
    </message>
    <message>
        <source>the picture stays, End or T terminates</source>
        <translation>a imagem fica, End ou T encerra</translation>
    </message>
    <message>
        <source>waiting, Enter or a click returns to the menu</source>
        <translation>aguardando, Enter ou um clique volta ao menu</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message numerus="yes">
        <source>%1 particles of %n types: %2. Radius of gyration %3 in a cube of half edge %4.</source>
        <translation>
            <numerusform>%1 partículas de %n tipo: %2. Raio de giração %3 num cubo de meia aresta %4.</numerusform>
            <numerusform>%1 partículas de %n tipos: %2. Raio de giração %3 num cubo de meia aresta %4.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>recording, %n frames</source>
        <translation>
            <numerusform>gravando, %n quadro</numerusform>
            <numerusform>gravando, %n quadros</numerusform>
        </translation>
    </message>
</context>
</TS>
