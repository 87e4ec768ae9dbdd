<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Optimizes images with the Tovalin service.</source>
        <translation>Otimiza imagens com o serviço Tovalin.</translation>
    </message>
    <message>
        <source>Released under the %1 licence.</source>
        <translation>Distribuído sob a licença %1.</translation>
    </message>
    <message>
        <source>Get an API key</source>
        <translation>Obter uma chave de API</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Fale conosco</translation>
    </message>
    <message>
        <source>About Tovalin Image Optimizer</source>
        <translation>Sobre o Tovalin Image Optimizer</translation>
    </message>
</context>
<context>
    <name>ApiKeySource</name>
    <message>
        <source>cannot read the key file %1: %2.</source>
        <translation>não é possível ler o arquivo de chave %1: %2.</translation>
    </message>
    <message>
        <source>warning: the key file %1 can be read by other users; make it yours only with: chmod 600 %1</source>
        <translation>aviso: o arquivo de chave %1 pode ser lido por outros usuários; deixe-o legível só para você com: chmod 600 %1</translation>
    </message>
    <message>
        <source>the key file %1 is too large to hold an API key.</source>
        <translation>o arquivo de chave %1 é grande demais para conter uma chave de API.</translation>
    </message>
    <message>
        <source>the key file %1 holds no API key.</source>
        <translation>o arquivo de chave %1 não contém nenhuma chave de API.</translation>
    </message>
    <message>
        <source>the key stored by the window is sent only to the service this program was built for; with --service-url give the key with --api-key-file FILE or the environment variable TOVALIN_API_KEY.</source>
        <translation>a chave salva pela janela só é enviada ao serviço para o qual este programa foi compilado; com --service-url, informe a chave com --api-key-file ARQUIVO ou com a variável de ambiente TOVALIN_API_KEY.</translation>
    </message>
    <message>
        <source>no API key: give it with --api-key-file FILE or the environment variable TOVALIN_API_KEY, or enter it in the Tovalin Image Optimizer window.</source>
        <translation>nenhuma chave de API: informe-a com --api-key-file ARQUIVO ou com a variável de ambiente TOVALIN_API_KEY, ou digite-a na janela do Tovalin Image Optimizer.</translation>
    </message>
</context>
<context>
    <name>CancelledError</name>
    <message>
        <source>The request was cancelled.</source>
        <translation>A solicitação foi cancelada.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ajuda e sair.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar a versão e sair.</translation>
    </message>
    <message>
        <source>Compression: lossy (the default), glossy or lossless.</source>
        <translation>Compressão: lossy (o padrão), glossy ou lossless.</translation>
    </message>
    <message>
        <source>level</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>nível</translation>
    </message>
    <message>
        <source>Also save a WebP version (the default).</source>
        <translation>Salvar também uma versão WebP (o padrão).</translation>
    </message>
    <message>
        <source>Save no WebP version.</source>
        <translation>Não salvar uma versão WebP.</translation>
    </message>
    <message>
        <source>Also save an AVIF version.</source>
        <translation>Salvar também uma versão AVIF.</translation>
    </message>
    <message>
        <source>Save no AVIF version (the default).</source>
        <translation>Não salvar uma versão AVIF (o padrão).</translation>
    </message>
    <message>
        <source>Fit each image to --width and --height: cover or contain.</source>
        <translation>Ajustar cada imagem a --width e --height: cover ou contain.</translation>
    </message>
    <message>
        <source>mode</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>modo</translation>
    </message>
    <message>
        <source>Width to resize to, in pixels.</source>
        <translation>Largura de destino, em pixels.</translation>
    </message>
    <message>
        <source>Height to resize to, in pixels.</source>
        <translation>Altura de destino, em pixels.</translation>
    </message>
    <message>
        <source>Upscale by 2, 3 or 4.</source>
        <translation>Ampliar por um fator de 2, 3 ou 4.</translation>
    </message>
    <message>
        <source>factor</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>fator</translation>
    </message>
    <message>
        <source>Remove the background.</source>
        <translation>Remover o fundo.</translation>
    </message>
    <message>
        <source>Keep the EXIF data.</source>
        <translation>Manter os dados EXIF.</translation>
    </message>
    <message>
        <source>Leave CMYK images in CMYK (they are converted to RGB by default).</source>
        <translation>Deixar as imagens CMYK em CMYK (por padrão, elas são convertidas para RGB).</translation>
    </message>
    <message>
        <source>Read the API key from &lt;file&gt; (see &quot;API key&quot; below).</source>
        <translation>Ler a chave de API de &lt;arquivo&gt; (veja “Chave de API” abaixo).</translation>
    </message>
    <message>
        <source>file</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>arquivo</translation>
    </message>
    <message>
        <source>url</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>url</translation>
    </message>
    <message>
        <source>Also trust the PEM certificates in &lt;file&gt; for --service-url.</source>
        <translation>Confiar também nos certificados PEM de &lt;arquivo&gt; para --service-url.</translation>
    </message>
    <message>
        <source>Keep up to &lt;N&gt; images with the service at once, 1 to %1 (4 by default).</source>
        <translation>Manter até &lt;N&gt; imagens ao mesmo tempo no serviço, de 1 a %1 (4 por padrão).</translation>
    </message>
    <message>
        <source>Take only share &lt;K/N&gt; of the images, for N processes that together handle every image once (see &quot;Sharing the work&quot; below).</source>
        <translation>Pegar só a parte &lt;K/N&gt; das imagens, para N processos que juntos tratam cada imagem uma vez (veja “Dividir o trabalho” abaixo).</translation>
    </message>
    <message>
        <source>Send every image, also those whose results are up to date.</source>
        <translation>Enviar todas as imagens, também as que têm resultados atualizados.</translation>
    </message>
    <message>
        <source>List what would be sent and what would be skipped; send nothing.</source>
        <translation>Listar o que seria enviado e o que seria ignorado, sem enviar nada.</translation>
    </message>
    <message>
        <source>Print one JSON object per image instead of the table.</source>
        <translation>Exibir um objeto JSON por imagem em vez da tabela.</translation>
    </message>
    <message>
        <source>Print no progress.</source>
        <translation>Não exibir o progresso.</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>CAMINHO</translation>
    </message>
    <message>
        <source>Image files, and folders to search.</source>
        <translation>Arquivos de imagem e pastas a vasculhar.</translation>
    </message>
    <message>
        <source>PATH...</source>
        <comment>the arguments in the help&apos;s first line</comment>
        <translation>CAMINHO...</translation>
    </message>
    <message>
        <source>the API key is never taken from the command line, where other users could see it in the process list; give it with --api-key-file FILE or the environment variable TOVALIN_API_KEY.</source>
        <translation>a chave de API nunca é lida da linha de comando, onde outros usuários poderiam vê-la na lista de processos; informe-a com --api-key-file ARQUIVO ou com a variável de ambiente TOVALIN_API_KEY.</translation>
    </message>
    <message>
        <source>--level must be lossy, glossy or lossless, not %1.</source>
        <translation>--level deve ser lossy, glossy ou lossless, e não %1.</translation>
    </message>
    <message>
        <source>--resize must be cover or contain, not %1.</source>
        <translation>--resize deve ser cover ou contain, e não %1.</translation>
    </message>
    <message>
        <source>--%1 must be a whole number of pixels, 1 or more, not %2.</source>
        <translation>--%1 deve ser um número inteiro de pixels, 1 ou mais, e não %2.</translation>
    </message>
    <message>
        <source>--width and --height need --resize cover or --resize contain.</source>
        <translation>--width e --height exigem --resize cover ou --resize contain.</translation>
    </message>
    <message>
        <source>--resize needs --width, --height or both.</source>
        <translation>--resize exige --width, --height ou ambos.</translation>
    </message>
    <message>
        <source>--upscale must be 2, 3 or 4, not %1.</source>
        <translation>--upscale deve ser 2, 3 ou 4, e não %1.</translation>
    </message>
    <message>
        <source>--api-key-file needs the name of a file.</source>
        <translation>--api-key-file exige o nome de um arquivo.</translation>
    </message>
    <message>
        <source>--service-url must be an https address such as https://host:port, not %1.</source>
        <translation>--service-url deve ser um endereço https como https://host:port, e não %1.</translation>
    </message>
    <message>
        <source>--ca-file is only for the service given with --service-url.</source>
        <translation>--ca-file vale só para o serviço informado com --service-url.</translation>
    </message>
    <message>
        <source>--jobs must be a whole number from 1 to %1, not %2.</source>
        <translation>--jobs deve ser um número inteiro de 1 a %1, e não %2.</translation>
    </message>
    <message>
        <source>--shard must be K/N with K from 1 to N, such as 2/4, not %1.</source>
        <translation>--shard deve ser K/N com K de 1 a N, como 2/4, e não %1.</translation>
    </message>
    <message>
        <source>no images or folders given.</source>
        <translation>nenhuma imagem ou pasta informada.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] PATH...</source>
        <translation>Uso: %1 [opções] CAMINHO...</translation>
    </message>
    <message>
        <source>Reruns:
  Every result carries a mark naming its source and the settings it was made with. Results
  found in a folder are never taken for images to optimize, and an image whose results are
  all there, made from the image as it is now with the same settings, is skipped (&quot;Already
  optimized.&quot;). --force sends it anyway. Where the file system keeps no marks, nothing is
  skipped. --dry-run lists what would be sent and what skipped.
</source>
        <translation>Novas execuções:
  Cada resultado leva uma marca com sua origem e as configurações com que foi gerado. Resultados
  encontrados numa pasta nunca são tomados por imagens a otimizar, e uma imagem cujos resultados
  estão todos presentes, gerados a partir da imagem como ela está agora e com as mesmas
  configurações, é ignorada (“Já otimizada.”). --force a envia mesmo assim. Onde o sistema de
  arquivos não guarda marcas, nada é ignorado. --dry-run lista o que seria enviado e o que seria
  ignorado.
</translation>
    </message>
    <message>
        <source>Several at once:
  Up to --jobs images are with the service at once. Two images whose results would share a
  file name are never sent together.
</source>
        <translation>Várias ao mesmo tempo:
  Até --jobs imagens ficam no serviço ao mesmo tempo. Duas imagens cujos resultados teriam o mesmo
  nome de arquivo nunca são enviadas juntas.
</translation>
    </message>
    <message>
        <source>Sharing the work:
  --shard K/N takes the K-th of N shares of the images found, picked by a hash of each image&apos;s
  path relative to the folder given (a file given by itself: its path as given). N processes
  given the same paths and --shard 1/N to N/N handle every image exactly once, on one machine
  or on many, for example with GNU parallel:
    parallel %1 --shard {}/4 ~/site/images ::: 1 2 3 4
</source>
        <translation>Dividir o trabalho:
  --shard K/N pega a K-ésima de N partes das imagens encontradas, escolhidas por um hash do
  caminho de cada imagem relativo à pasta informada (para um arquivo informado sozinho: seu
  caminho como foi informado). N processos com os mesmos caminhos e --shard 1/N a N/N tratam cada
  imagem exatamente uma vez, numa máquina ou em várias, por exemplo com o GNU parallel:
    parallel %1 --shard {}/4 ~/site/images ::: 1 2 3 4
</translation>
    </message>
    <message>
        <source>Optimize on this computer (local, no key needed) or through the Tovalin service (service, with your API key); %1 by default.</source>
        <translation>Otimizar neste computador (local, sem chave) ou com o serviço Tovalin (service, com sua chave de API); o padrão é %1.</translation>
    </message>
    <message>
        <source>engine</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>mecanismo</translation>
    </message>
    <message>
        <source>Talk to the service at &lt;url&gt; (https only) instead of the one this program was built for; implies --engine service. The key must then come from --api-key-file or TOVALIN_API_KEY.</source>
        <translation>Usar o serviço em &lt;url&gt; (só https) em vez daquele para o qual este programa foi compilado; implica --engine service. A chave deve então vir de --api-key-file ou de TOVALIN_API_KEY.</translation>
    </message>
    <message>
        <source>Optimizes images on this computer or through the Tovalin service and saves the results
beside them: photo.jpg gives photo-optimized.jpg, and photo.webp or photo.avif when
asked for. Folders are searched for images. The source images are never changed.</source>
        <translation>Otimiza imagens neste computador ou com o serviço Tovalin e salva os resultados ao lado delas:
photo.jpg gera photo-optimized.jpg e, quando pedido, photo.webp ou photo.avif. As pastas são
vasculhadas em busca de imagens. As imagens de origem nunca são alteradas.</translation>
    </message>
    <message>
        <source>--engine must be local or service, not %1.</source>
        <translation>--engine deve ser local ou service, não %1.</translation>
    </message>
    <message>
        <source>--service-url is for --engine service.</source>
        <translation>--service-url só vale para --engine service.</translation>
    </message>
    <message>
        <source>Engines:
  local    the engine on this computer: started by this command for its run and ended with it,
           offline, no account or key; the images never leave this computer.
  service  the Tovalin service, with the API key of your account.
  Without --engine: %1, or service with --service-url.
</source>
        <translation>Mecanismos:
  local    o mecanismo deste computador: iniciado por este comando para a execução e encerrado com
           ele, offline, sem conta nem chave; as imagens nunca saem deste computador.
  service  o serviço Tovalin, com a chave de API da sua conta.
  Sem --engine: %1, ou service com --service-url.
</translation>
    </message>
    <message>
        <source>API key:
  Only the Tovalin service needs one. Taken from --api-key-file FILE, else from the environment
  variable TOVALIN_API_KEY, else the key stored by the Tovalin Image Optimizer window. It is never
  taken from the command line and never printed. A key file should be readable by you only
  (chmod 600 FILE).
</source>
        <translation>Chave de API:
  Só o serviço Tovalin precisa de uma. Lida de --api-key-file ARQUIVO; senão, da variável de
  ambiente TOVALIN_API_KEY; senão, da chave salva pela janela do Tovalin Image Optimizer. Nunca é
  lida da linha de comando nem exibida. Um arquivo de chave deve ser legível só por você
  (chmod 600 ARQUIVO).
</translation>
    </message>
    <message>
        <source>Exit status:
  0    every image was optimized or up to date
  1    at least one image failed
  2    usage error: a bad option, or no API key for the service
  130  interrupted (Ctrl-C); 129 and 143 after SIGHUP and SIGTERM

  An interrupt stops the run as the window&apos;s Stop button does: the transfers in flight are
  aborted, nothing is left half written, and the images not reached are reported as stopped.
  A second interrupt quits at once.
</source>
        <translation>Status de saída:
  0    todas as imagens foram otimizadas ou estavam atualizadas
  1    pelo menos uma imagem falhou
  2    erro de uso: uma opção inválida, ou nenhuma chave de API para o serviço
  130  interrompido (Ctrl-C); 129 e 143 após SIGHUP e SIGTERM

  Uma interrupção para a execução como o botão Parar da janela: as transferências em andamento são
  canceladas, nada fica escrito pela metade e as imagens não alcançadas são informadas como
  interrompidas. Uma segunda interrupção sai na hora.
</translation>
    </message>
    <message>
        <source>Examples:
  %1 --level glossy --avif ~/Pictures/holiday
  TOVALIN_API_KEY=... %1 --engine service ~/Pictures/holiday
</source>
        <translation>Exemplos:
  %1 --level glossy --avif ~/Imagens/ferias
  TOVALIN_API_KEY=... %1 --engine service ~/Imagens/ferias
</translation>
    </message>
    <message>
        <source>Save the results in &lt;folder&gt; instead of beside the images (see &quot;Output&quot; below).</source>
        <translation>Salva os resultados em &lt;folder&gt; em vez de ao lado das imagens (veja “Saída” abaixo).</translation>
    </message>
    <message>
        <source>folder</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>pasta</translation>
    </message>
    <message>
        <source>Give every result the modification time of its image (the default).</source>
        <translation>Dá a cada resultado a data de modificação da sua imagem (o padrão).</translation>
    </message>
    <message>
        <source>Leave every result dated by when it was saved.</source>
        <translation>Deixa cada resultado com a data em que foi salvo.</translation>
    </message>
    <message>
        <source>--output-dir needs the name of a folder.</source>
        <translation>--output-dir precisa do nome de uma pasta.</translation>
    </message>
    <message>
        <source>--output-dir must be a folder, not %1.</source>
        <translation>--output-dir deve ser uma pasta, não %1.</translation>
    </message>
    <message>
        <source>Output:
  Results go beside their images, or with --output-dir DIR into DIR: the tree under each folder
  given is mirrored there, and an image given by itself goes to its top. Each result has the
  modification time of its image (--no-keep-dates: the time it was saved).
  Progress goes to standard error: one redrawn line on a terminal, otherwise one line per image.
  The table of results, or with --json one JSON object per image, goes to standard output.
</source>
        <translation>Saída:
  Os resultados vão ao lado das suas imagens ou, com --output-dir DIR, para DIR: lá a árvore sob
  cada pasta indicada é reproduzida, e uma imagem indicada sozinha vai para o topo. Cada resultado
  tem a data de modificação da sua imagem (--no-keep-dates: a data em que foi salvo).
  O progresso vai para a saída de erro padrão: uma linha redesenhada num terminal, senão uma linha
  por imagem. A tabela de resultados, ou com --json um objeto JSON por imagem, vai para a saída
  padrão.
</translation>
    </message>
    <message>
        <source>Stay, and optimize each image that appears or changes in the folders given once it has been written (see &quot;Watching&quot; below).</source>
        <translation>Continuar em execução e otimizar cada imagem que aparecer ou mudar nas pastas informadas, assim que for gravada (veja “Vigilância” abaixo).</translation>
    </message>
    <message>
        <source>--watch cannot be combined with --%1.</source>
        <translation>--watch não pode ser combinado com --%1.</translation>
    </message>
    <message>
        <source>Watching:
  --watch FOLDER... first optimizes what is due in the folders, then stays: an image that
  appears or changes in them, or in a folder made there later, is optimized once nothing has
  been written to it for half a second. What is up to date is skipped as in a rerun, and this
  program&apos;s results are never taken for images. Each image&apos;s outcome is printed as it ends
  (with --json, one JSON object per image on standard output). Ctrl-C or SIGTERM stops the
  run in flight as an interrupt does and ends the watch with status 0.
</source>
        <translation>Vigilância:
  --watch PASTA... primeiro otimiza o que está pendente nas pastas e depois continua em execução:
  uma imagem que aparece ou muda nelas, ou numa pasta criada depois, é otimizada quando fica meio
  segundo sem que nada seja gravado nela. O que está atualizado é pulado como numa nova execução,
  e os resultados deste programa nunca são tomados por imagens. O resultado de cada imagem é
  mostrado assim que termina (com --json, um objeto JSON por imagem na saída padrão). Ctrl-C ou
  SIGTERM para a execução em andamento como uma interrupção e encerra a vigilância com status 0.
</translation>
    </message>
</context>
<context>
    <name>CompareCanvas</name>
    <message>
        <source>Original and result</source>
        <translation>Original e resultado</translation>
    </message>
    <message>
        <source>Split view, the original left of the divider.</source>
        <translation>Visualização dividida, o original à esquerda do divisor.</translation>
    </message>
    <message>
        <source>Side by side, the original on the left.</source>
        <translation>Lado a lado, o original à esquerda.</translation>
    </message>
    <message>
        <source>Zoom %1 %.</source>
        <translation>Zoom %1%.</translation>
    </message>
    <message>
        <source>The arrow keys move the picture, Shift with Left and Right moves the divider; plus and minus zoom, 0 fits, 1 and 2 show 100 % and 200 %.</source>
        <translation>As setas movem a imagem, Shift com Esquerda e Direita move o divisor; mais e menos mudam o zoom, 0 ajusta, 1 e 2 mostram em 100% e 200%.</translation>
    </message>
    <message>
        <source>The arrow keys move the picture; plus and minus zoom, 0 fits, 1 and 2 show 100 % and 200 %.</source>
        <translation>As setas movem a imagem; mais e menos mudam o zoom, 0 ajusta, 1 e 2 mostram em 100% e 200%.</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Compare with</source>
        <translation>Comparar com</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividida</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Lado a lado</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visualização</translation>
    </message>
    <message>
        <source>the result over the original with a divider, or beside it</source>
        <translation>o resultado sobre o original com um divisor, ou ao lado dele</translation>
    </message>
    <message>
        <source>Zoom out (−)</source>
        <translation>Diminuir zoom (−)</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Diminuir zoom</translation>
    </message>
    <message>
        <source>Zoom in (+)</source>
        <translation>Aumentar zoom (+)</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Aumentar zoom</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>The whole picture in the window (0)</source>
        <translation>A imagem inteira na janela (0)</translation>
    </message>
    <message>
        <source>One pixel of the picture to a pixel of the screen (1)</source>
        <translation>Um pixel da imagem para um pixel da tela (1)</translation>
    </message>
    <message>
        <source>Each pixel of the picture as two of the screen (2)</source>
        <translation>Cada pixel da imagem como dois da tela (2)</translation>
    </message>
    <message>
        <source>The structural similarity (SSIM) of the result to the original, over red, green and blue: 1 for the same picture, lower as they drift apart.</source>
        <translation>A similaridade estrutural (SSIM) do resultado com o original, sobre vermelho, verde e azul: 1 para a mesma imagem, menor à medida que se distanciam.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Compare “%1”</source>
        <translation>Comparar “%1”</translation>
    </message>
    <message>
        <source>which saved file is shown against the original</source>
        <translation>qual arquivo salvo é mostrado diante do original</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>The original and the %1 image</source>
        <translation>O original e a imagem “%1”</translation>
    </message>
    <message>
        <source>The original could not be read.</source>
        <translation>Não foi possível ler o original.</translation>
    </message>
    <message>
        <source>This file could not be read.</source>
        <translation>Não foi possível ler este arquivo.</translation>
    </message>
    <message>
        <source>Measuring similarity…</source>
        <translation>Medindo a similaridade…</translation>
    </message>
    <message>
        <source>Similarity %1 (SSIM)</source>
        <translation>Similaridade %1 (SSIM)</translation>
    </message>
    <message>
        <source>Similarity could not be measured.</source>
        <translation>Não foi possível medir a similaridade.</translation>
    </message>
    <message>
        <source>Zoom %1</source>
        <translation>Zoom %1</translation>
    </message>
</context>
<context>
    <name>Compression</name>
    <message>
        <source>Lossless</source>
        <translation>Lossless</translation>
    </message>
    <message>
        <source>Lossy</source>
        <translation>Lossy</translation>
    </message>
    <message>
        <source>Glossy</source>
        <translation>Glossy</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>[API key]</source>
        <translation>[chave de API]</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Selected Images</source>
        <translation>Imagens selecionadas</translation>
    </message>
    <message>
        <source>The queue: one row per image with its state, message and saved files. Enter compares a done image with its result, the Menu key lists what can be done with the current image, and Space removes it. Images and folders can be dropped here.</source>
        <translation>A fila: uma linha por imagem com seu estado, sua mensagem e os arquivos salvos. Enter compara uma imagem concluída com seu resultado, a tecla Menu lista o que pode ser feito com a imagem atual e Espaço a remove. Imagens e pastas podem ser soltas aqui.</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>On this computer</source>
        <translation>Neste computador</translation>
    </message>
    <message>
        <source>Tovalin service</source>
        <translation>Serviço Tovalin</translation>
    </message>
</context>
<context>
    <name>EngineProcess</name>
    <message>
        <source>no answer within %1 seconds.</source>
        <translation>nenhuma resposta em %1 segundos.</translation>
    </message>
    <message>
        <source>it ended unexpectedly.</source>
        <translation>ele terminou inesperadamente.</translation>
    </message>
    <message>
        <source>it ended with status %1.</source>
        <translation>ele terminou com o status %1.</translation>
    </message>
    <message>
        <source>it did not say where it listens.</source>
        <translation>ele não informou onde escuta.</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>Could not read “%1”: %2.</source>
        <translation>Não foi possível ler “%1”: %2.</translation>
    </message>
    <message>
        <source>“%1” changed while it was being sent; nothing was saved for it.</source>
        <translation>“%1” mudou durante o envio; nada foi salvo para ele.</translation>
    </message>
    <message>
        <source>“%1” was removed while it was being sent; nothing was saved for it.</source>
        <translation>“%1” foi removido durante o envio; nada foi salvo para ele.</translation>
    </message>
    <message>
        <source>Not a regular file.</source>
        <translation>Não é um arquivo comum.</translation>
    </message>
    <message>
        <source>not a local file</source>
        <translation>não é um arquivo local</translation>
    </message>
    <message>
        <source>“%1” was removed while it was being optimized; nothing was saved for it.</source>
        <translation>“%1” foi removido durante a otimização; nada foi salvo para ele.</translation>
    </message>
    <message>
        <source>Cannot write to “%1”.</source>
        <translation>Não é possível gravar em “%1”.</translation>
    </message>
    <message>
        <source>No name is free for the results in “%1”.</source>
        <translation>Nenhum nome livre para os resultados em “%1”.</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Folder for the Results</source>
        <translation>Pasta para os resultados</translation>
    </message>
</context>
<context>
    <name>ImageDecoder</name>
    <message>
        <source>The image could not be read.</source>
        <translation>Não foi possível ler a imagem.</translation>
    </message>
</context>
<context>
    <name>ImageJob</name>
    <message>
        <source>Ready to optimize.</source>
        <translation>Pronta para otimizar.</translation>
    </message>
</context>
<context>
    <name>ItemPickerDialog</name>
    <message>
        <source>Images (%1)</source>
        <translation>Imagens (%1)</translation>
    </message>
    <message>
        <source>Raw camera images (%1)</source>
        <translation>Imagens RAW de câmera (%1)</translation>
    </message>
    <message>
        <source>Choose images or folders to optimize</source>
        <translation>Escolha imagens ou pastas para otimizar</translation>
    </message>
</context>
<context>
    <name>JobListView</name>
    <message>
        <source>Drop images or folders here</source>
        <translation>Solte imagens ou pastas aqui</translation>
    </message>
    <message>
        <source>Drop to add to the queue</source>
        <translation>Solte para adicionar à fila</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Abrir “%1”</translation>
    </message>
    <message>
        <source>Show %1 in Folder</source>
        <translation>Mostrar “%1” na pasta</translation>
    </message>
    <message>
        <source>Remove from Queue</source>
        <translation>Remover da fila</translation>
    </message>
    <message numerus="yes">
        <source>Optimize %n Again</source>
        <translation>
            <numerusform>Otimizar %n de novo</numerusform>
            <numerusform>Otimizar %n de novo</numerusform>
        </translation>
    </message>
    <message>
        <source>Optimize Again</source>
        <translation>Otimizar de novo</translation>
    </message>
</context>
<context>
    <name>JobRowDelegate</name>
    <message>
        <source>Remove from queue</source>
        <translation>Remover da fila</translation>
    </message>
    <message>
        <source>Double-click or press Enter to compare with the original</source>
        <translation>Clique duas vezes ou pressione Enter para comparar com o original</translation>
    </message>
</context>
<context>
    <name>JobStatus</name>
    <message>
        <source>Queued</source>
        <translation>Na fila</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Processando</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluída</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Falhou</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Interrompida</translation>
    </message>
</context>
<context>
    <name>LaunchArguments</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ajuda e sair.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar a versão e sair.</translation>
    </message>
    <message>
        <source>Opens the Tovalin Image Optimizer window with the given images queued; folders are
searched for images. When the window is already open, they join its queue and the
window is brought to the front.</source>
        <translation>Abre a janela do Tovalin Image Optimizer com as imagens informadas na fila; as pastas são
vasculhadas em busca de imagens. Se a janela já estiver aberta, elas entram na fila dela e a
janela vem para a frente.</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>CAMINHO</translation>
    </message>
    <message>
        <source>Image files and folders, as paths or file: URIs.</source>
        <translation>Arquivos de imagem e pastas, como caminhos ou URIs file:.</translation>
    </message>
    <message>
        <source>[PATH...]</source>
        <comment>the arguments in the help&apos;s first line</comment>
        <translation>[CAMINHO...]</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [PATH...]</source>
        <translation>Uso: %1 [opções] [CAMINHO...]</translation>
    </message>
    <message>
        <source>tovalin-image-optimizer: %1 is not on this computer; only local files and folders can be queued.</source>
        <translation>tovalin-image-optimizer: %1 não está neste computador; só arquivos e pastas locais podem entrar na fila.</translation>
    </message>
</context>
<context>
    <name>LinkButton</name>
    <message>
        <source>Opens %1 in the web browser.</source>
        <translation>Abre %1 no navegador.</translation>
    </message>
</context>
<context>
    <name>LocalEngine</name>
    <message>
        <source>The optimizer on this computer could not be started: %1</source>
        <translation>Não foi possível iniciar o otimizador deste computador: %1</translation>
    </message>
    <message>
        <source>the program is closing.</source>
        <translation>o programa está sendo fechado.</translation>
    </message>
    <message>
        <source>The optimizer on this computer is missing: %1 is not installed beside this program.</source>
        <translation>O otimizador deste computador está faltando: %1 não está instalado ao lado deste programa.</translation>
    </message>
    <message>
        <source>The optimizer on this computer stopped unexpectedly; the next image starts it again.</source>
        <translation>O otimizador deste computador parou inesperadamente; a próxima imagem o inicia de novo.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fechar janela</translation>
    </message>
</context>
<context>
    <name>OptimizeCommand</name>
    <message>
        <source>the file system of %1 keeps no marks on files, so images there are sent even when their results are up to date.</source>
        <translation>o sistema de arquivos de %1 não guarda marcas nos arquivos, então as imagens que estão lá são enviadas mesmo quando seus resultados estão atualizados.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Experimente “%1 --help” para mais informações.</translation>
    </message>
    <message>
        <source>no PEM certificate could be read from %1.</source>
        <translation>não foi possível ler nenhum certificado PEM de %1.</translation>
    </message>
    <message>
        <source>stopping; interrupt again to quit at once.</source>
        <translation>parando; interrompa de novo para sair na hora.</translation>
    </message>
    <message>
        <source>no images found in the given folders.</source>
        <translation>nenhuma imagem encontrada nas pastas informadas.</translation>
    </message>
    <message>
        <source>warning: the key file is only for the Tovalin service; these images are optimized on this computer (--engine service sends them to the service).</source>
        <translation>aviso: o arquivo de chave serve só para o serviço Tovalin; estas imagens são otimizadas neste computador (--engine service as envia ao serviço).</translation>
    </message>
    <message>
        <source>--watch takes folders; %1 is not one.</source>
        <translation>--watch recebe pastas; %1 não é uma.</translation>
    </message>
</context>
<context>
    <name>OutputKind</name>
    <message>
        <source>Optimized</source>
        <translation>Otimizada</translation>
    </message>
    <message>
        <source>WebP</source>
        <translation>WebP</translation>
    </message>
    <message>
        <source>AVIF</source>
        <translation>AVIF</translation>
    </message>
</context>
<context>
    <name>ProgressReporter</name>
    <message>
        <source>almost done</source>
        <translation>quase pronto</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>falta cerca de %1</translation>
    </message>
</context>
<context>
    <name>QueueHeader</name>
    <message>
        <source>Clear finished</source>
        <translation>Limpar concluídas</translation>
    </message>
    <message>
        <source>Clear queue</source>
        <translation>Limpar fila</translation>
    </message>
    <message>
        <source>Selected Images</source>
        <translation>Imagens selecionadas</translation>
    </message>
    <message>
        <source>Removes the images that are done from the queue.</source>
        <translation>Remove da fila as imagens concluídas.</translation>
    </message>
    <message>
        <source>Removes every image from the queue but the one being optimized.</source>
        <translation>Remove da fila todas as imagens, menos a que está sendo otimizada.</translation>
    </message>
    <message>
        <source>Add files to begin.</source>
        <translation>Adicione arquivos para começar.</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) left to optimize</source>
        <translation>
            <numerusform>%n imagem a otimizar</numerusform>
            <numerusform>%n imagens a otimizar</numerusform>
        </translation>
    </message>
    <message>
        <source>Enter your API key to begin.</source>
        <translation>Digite sua chave de API para começar.</translation>
    </message>
    <message>
        <source>Press Optimize to begin.</source>
        <translation>Pressione “Otimizar” para começar.</translation>
    </message>
</context>
<context>
    <name>QueueRunner</name>
    <message numerus="yes">
        <source>Optimizing %n image(s)…</source>
        <translation>
            <numerusform>Otimizando %n imagem…</numerusform>
            <numerusform>Otimizando %n imagens…</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped by user.</source>
        <translation>Interrompido pelo usuário.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Concluído.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Interrompida.</translation>
    </message>
    <message>
        <source>Sending to Tovalin…</source>
        <translation>Enviando ao Tovalin…</translation>
    </message>
    <message>
        <source>The image could not be optimized.</source>
        <translation>Não foi possível otimizar a imagem.</translation>
    </message>
    <message>
        <source>Optimized and saved locally.</source>
        <translation>Otimizada e salva localmente.</translation>
    </message>
    <message>
        <source>“%1” is not this program&apos;s and was kept; this one is “%2”.</source>
        <translation>“%1” não é deste programa e foi mantido; este resultado é “%2”.</translation>
    </message>
    <message>
        <source>Image is being optimized…</source>
        <translation>A imagem está sendo otimizada…</translation>
    </message>
    <message>
        <source>Every image is already optimized.</source>
        <translation>Todas as imagens já estão otimizadas.</translation>
    </message>
</context>
<context>
    <name>ResizeMode</name>
    <message>
        <source>No resize</source>
        <translation>Sem redimensionar</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Preencher</translation>
    </message>
    <message>
        <source>Contain</source>
        <translation>Ajustar</translation>
    </message>
</context>
<context>
    <name>RunNotifier</name>
    <message>
        <source>Done.</source>
        <translation>Concluído.</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) optimized</source>
        <translation>
            <numerusform>%n imagem otimizada</numerusform>
            <numerusform>%n imagens otimizadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n com falha</numerusform>
            <numerusform>%n com falha</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stopped</source>
        <translation>
            <numerusform>%n interrompida</numerusform>
            <numerusform>%n interrompidas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>the parts of a run&apos;s outcome, joined</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the parts of a run&apos;s outcome</comment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>RunProgress</name>
    <message>
        <source>Progress of the run</source>
        <translation>Progresso da execução</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>Done</source>
        <translation>Concluída</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Falhou</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Interrompida</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Ignorada</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Pendente</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARQUIVO</translation>
    </message>
    <message>
        <source>STATE</source>
        <translation>ESTADO</translation>
    </message>
    <message>
        <source>BEFORE</source>
        <translation>ANTES</translation>
    </message>
    <message>
        <source>AFTER</source>
        <translation>DEPOIS</translation>
    </message>
    <message>
        <source>CHANGE</source>
        <translation>VARIAÇÃO</translation>
    </message>
    <message>
        <source>MESSAGE</source>
        <translation>MENSAGEM</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Interrompida.</translation>
    </message>
    <message>
        <source>1 image</source>
        <translation>1 imagem</translation>
    </message>
    <message numerus="yes">
        <source>%n images</source>
        <translation>
            <numerusform>%n imagem</numerusform>
            <numerusform>%n imagens</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n done</source>
        <translation>
            <numerusform>%n concluída</numerusform>
            <numerusform>%n concluídas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n com falha</numerusform>
            <numerusform>%n com falha</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stopped</source>
        <translation>
            <numerusform>%n interrompida</numerusform>
            <numerusform>%n interrompidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n ignorada</numerusform>
            <numerusform>%n ignoradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n due</source>
        <translation>
            <numerusform>%n pendente</numerusform>
            <numerusform>%n pendentes</numerusform>
        </translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>the images counted: how they ended</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>%1 needs a width, a height or both.</source>
        <translation>“%1” precisa de uma largura, de uma altura ou das duas.</translation>
    </message>
    <message>
        <source>The width must be a whole number of pixels, 1 or more.</source>
        <translation>A largura deve ser um número inteiro de pixels, 1 ou mais.</translation>
    </message>
    <message>
        <source>The height must be a whole number of pixels, 1 or more.</source>
        <translation>A altura deve ser um número inteiro de pixels, 1 ou mais.</translation>
    </message>
    <message>
        <source>The width and the height must be whole numbers of pixels, 1 or more.</source>
        <translation>A largura e a altura devem ser números inteiros de pixels, 1 ou mais.</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>Help: %1</source>
        <translation>Ajuda: %1</translation>
    </message>
    <message>
        <source>Opens the article in the web browser.</source>
        <translation>Abre o artigo no navegador.</translation>
    </message>
    <message>
        <source>API Key</source>
        <translation>Chave de API</translation>
    </message>
    <message>
        <source>(Get an API Key)</source>
        <translation>(Obter uma chave de API)</translation>
    </message>
    <message>
        <source>Your 20-character API key</source>
        <translation>Sua chave de API de 20 caracteres</translation>
    </message>
    <message>
        <source>The API key of your Tovalin account. It is kept for the next start.</source>
        <translation>A chave de API da sua conta Tovalin. Ela fica guardada para a próxima vez.</translation>
    </message>
    <message>
        <source>Hide key</source>
        <translation>Ocultar chave</translation>
    </message>
    <message>
        <source>Show key</source>
        <translation>Mostrar chave</translation>
    </message>
    <message>
        <source>Masks the API key again.</source>
        <translation>Oculta a chave de API de novo.</translation>
    </message>
    <message>
        <source>Shows the API key in plain text.</source>
        <translation>Mostra a chave de API em texto simples.</translation>
    </message>
    <message>
        <source>Densora Level</source>
        <translation>Nível Densora</translation>
    </message>
    <message>
        <source>Learn about Lossy, Glossy, and Lossless</source>
        <translation>Saiba mais sobre Lossy, Glossy e Lossless</translation>
    </message>
    <message>
        <source>Compression levels</source>
        <translation>Níveis de compressão</translation>
    </message>
    <message>
        <source>how strongly images are compressed</source>
        <translation>o quanto as imagens são comprimidas</translation>
    </message>
    <message>
        <source>Next Generation Images</source>
        <translation>Imagens de nova geração</translation>
    </message>
    <message>
        <source>Create WebP (+ keep original)</source>
        <translation>Criar WebP (+ manter original)</translation>
    </message>
    <message>
        <source>Also saves a WebP version beside each image.</source>
        <translation>Salva também uma versão WebP ao lado de cada imagem.</translation>
    </message>
    <message>
        <source>Create AVIF (+ keep original)</source>
        <translation>Criar AVIF (+ manter original)</translation>
    </message>
    <message>
        <source>Also saves an AVIF version beside each image.</source>
        <translation>Salva também uma versão AVIF ao lado de cada imagem.</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Redimensionar</translation>
    </message>
    <message>
        <source>Learn how Tovalin resizes images automatically</source>
        <translation>Saiba como o Tovalin redimensiona imagens automaticamente</translation>
    </message>
    <message>
        <source>how images are fitted to the width and height</source>
        <translation>como as imagens são ajustadas à largura e à altura</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largura</translation>
    </message>
    <message>
        <source>Target width in pixels.</source>
        <translation>Largura de destino em pixels.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Target height in pixels.</source>
        <translation>Altura de destino em pixels.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Convert CMYK to RGB</source>
        <translation>Converter CMYK em RGB</translation>
    </message>
    <message>
        <source>Print colors are turned into screen colors.</source>
        <translation>Cores de impressão são convertidas em cores de tela.</translation>
    </message>
    <message>
        <source>Remove background</source>
        <translation>Remover fundo</translation>
    </message>
    <message>
        <source>The service cuts the subject out of its background.</source>
        <translation>O serviço recorta o objeto principal do fundo.</translation>
    </message>
    <message>
        <source>Keep EXIF</source>
        <translation>Manter EXIF</translation>
    </message>
    <message>
        <source>Camera data such as date and place stay in the image.</source>
        <translation>Dados da câmera, como data e local, ficam na imagem.</translation>
    </message>
    <message>
        <source>Upscale</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>How many times larger the service makes each image.</source>
        <translation>Quantas vezes o serviço amplia cada imagem.</translation>
    </message>
    <message>
        <source>Images at once</source>
        <translation>Imagens ao mesmo tempo</translation>
    </message>
    <message>
        <source>How many images are with the service at the same time.</source>
        <translation>Quantas imagens ficam no serviço ao mesmo tempo.</translation>
    </message>
    <message>
        <source>Add images or folders…</source>
        <translation>Adicionar imagens ou pastas…</translation>
    </message>
    <message>
        <source>Chooses images and folders to queue. They can also be dropped on the window.</source>
        <translation>Escolhe imagens e pastas para a fila. Elas também podem ser soltas na janela.</translation>
    </message>
    <message>
        <source>Optimize</source>
        <translation>Otimizar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Stops the run; the image in progress is marked stopped.</source>
        <translation>Para a execução; a imagem em andamento é marcada como interrompida.</translation>
    </message>
    <message>
        <source>Contact us with any issues, bug reports, or questions.</source>
        <translation>Fale conosco sobre problemas, relatos de bugs ou dúvidas.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>About Tovalin Image Optimizer</source>
        <translation>Sobre o Tovalin Image Optimizer</translation>
    </message>
    <message>
        <source>Optimizes every image in the queue with the options above.</source>
        <translation>Otimiza todas as imagens da fila com as opções acima.</translation>
    </message>
    <message>
        <source>Enter an API key and add images first.</source>
        <translation>Digite uma chave de API e adicione imagens primeiro.</translation>
    </message>
    <message>
        <source>Enter an API key first.</source>
        <translation>Digite uma chave de API primeiro.</translation>
    </message>
    <message>
        <source>Add images first.</source>
        <translation>Adicione imagens primeiro.</translation>
    </message>
    <message>
        <source>Images are being optimized.</source>
        <translation>As imagens estão sendo otimizadas.</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Serviço</translation>
    </message>
    <message>
        <source>where the images are optimized</source>
        <translation>onde as imagens são otimizadas</translation>
    </message>
    <message>
        <source>Watch added folders</source>
        <translation>Vigiar as pastas adicionadas</translation>
    </message>
    <message>
        <source>New images in the folders you added are queued as they appear.</source>
        <translation>Novas imagens nas pastas adicionadas entram na fila assim que aparecem.</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Where results go</source>
        <translation>Onde ficam os resultados</translation>
    </message>
    <message>
        <source>Beside the originals</source>
        <translation>Ao lado dos originais</translation>
    </message>
    <message>
        <source>In a folder…</source>
        <translation>Em uma pasta…</translation>
    </message>
    <message>
        <source>Keep file dates</source>
        <translation>Manter as datas dos arquivos</translation>
    </message>
    <message>
        <source>Every result gets the modification time of its original.</source>
        <translation>Cada resultado recebe a data de modificação do seu original.</translation>
    </message>
    <message>
        <source>Results are saved in %1.</source>
        <translation>Os resultados são salvos em %1.</translation>
    </message>
    <message>
        <source>Results are saved beside their originals.</source>
        <translation>Os resultados são salvos ao lado dos originais.</translation>
    </message>
</context>
<context>
    <name>SizeText</name>
    <message>
        <source>Nothing saved</source>
        <translation>Nenhuma economia</translation>
    </message>
    <message>
        <source>Saved %1 of %2</source>
        <translation>%1 economizados de %2</translation>
    </message>
    <message>
        <source>larger than %1</source>
        <translation>maior que “%1”</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Turns while images are being optimized.</source>
        <translation>Gira enquanto as imagens são otimizadas.</translation>
    </message>
</context>
<context>
    <name>TimeLeft</name>
    <message>
        <source>Almost done</source>
        <translation>Quase pronto</translation>
    </message>
    <message>
        <source>%1 s</source>
        <comment>seconds</comment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <comment>minutes</comment>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours</comment>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>About %1 left</source>
        <translation>Falta cerca de %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>TovalinError</name>
    <message>
        <source>(binary)</source>
        <translation>(binário)</translation>
    </message>
    <message>
        <source>Unexpected API response: %1</source>
        <translation>Resposta inesperada da API: %1</translation>
    </message>
    <message>
        <source>Failed to encode parameters.</source>
        <translation>Não foi possível codificar os parâmetros.</translation>
    </message>
    <message>
        <source>Tovalin did not return any data.</source>
        <translation>O Tovalin não retornou nenhum dado.</translation>
    </message>
    <message>
        <source>No download URL returned for this configuration.</source>
        <translation>Nenhuma URL de download foi retornada para esta configuração.</translation>
    </message>
    <message>
        <source>Could not save the optimized file.</source>
        <translation>Não foi possível salvar o arquivo otimizado.</translation>
    </message>
    <message>
        <source>Could not download the optimized file (HTTP status %1).</source>
        <translation>Não foi possível baixar o arquivo otimizado (status HTTP %1).</translation>
    </message>
    <message>
        <source>Could not download the optimized file (empty response).</source>
        <translation>Não foi possível baixar o arquivo otimizado (resposta vazia).</translation>
    </message>
</context>
<context>
    <name>TransportError</name>
    <message>
        <source>The connection timed out: no data moved for %1 seconds.</source>
        <translation>A conexão expirou: nenhum dado foi transferido por %1 segundos.</translation>
    </message>
    <message>
        <source>The reply is larger than %1, the most this program accepts.</source>
        <translation>A resposta é maior que %1, o máximo que este programa aceita.</translation>
    </message>
    <message>
        <source>The server “%1” could not be found.</source>
        <translation>O servidor “%1” não foi encontrado.</translation>
    </message>
    <message>
        <source>The proxy server could not be found.</source>
        <translation>O servidor proxy não foi encontrado.</translation>
    </message>
    <message>
        <source>Could not connect to the server “%1”.</source>
        <translation>Não foi possível conectar ao servidor “%1”.</translation>
    </message>
    <message>
        <source>The secure connection to “%1” could not be established: %2.</source>
        <translation>Não foi possível estabelecer a conexão segura com “%1”: %2.</translation>
    </message>
    <message>
        <source>The service redirected the request to an address it may not go to.</source>
        <translation>O serviço redirecionou a solicitação para um endereço não permitido.</translation>
    </message>
    <message>
        <source>Too many redirects.</source>
        <translation>Redirecionamentos demais.</translation>
    </message>
    <message>
        <source>The connection to the service was closed before it answered.</source>
        <translation>A conexão com o serviço foi fechada antes da resposta.</translation>
    </message>
    <message>
        <source>The connection was closed before the whole reply arrived.</source>
        <translation>A conexão foi fechada antes de a resposta chegar por completo.</translation>
    </message>
    <message>
        <source>Refused to connect to “%1”: only secure (https) addresses are allowed.</source>
        <translation>Conexão com “%1” recusada: só endereços seguros (https) são permitidos.</translation>
    </message>
    <message>
        <source>The connection could not be set up.</source>
        <translation>Não foi possível estabelecer a conexão.</translation>
    </message>
</context>
<context>
    <name>UpToDateJobs</name>
    <message>
        <source>Already optimized.</source>
        <translation>Já otimizada.</translation>
    </message>
</context>
<context>
    <name>UpscaleFactor</name>
    <message>
        <source>No upscale</source>
        <translation>Sem ampliação</translation>
    </message>
    <message>
        <source>2x</source>
        <translation>2x</translation>
    </message>
    <message>
        <source>3x</source>
        <translation>3x</translation>
    </message>
    <message>
        <source>4x</source>
        <translation>4x</translation>
    </message>
</context>
<context>
    <name>WatchRun</name>
    <message>
        <source>warning: the system lets no more folders be watched (fs.inotify.max_user_watches); images in folders not watched are not seen until the watch starts again.</source>
        <translation>aviso: o sistema não permite vigiar mais pastas (fs.inotify.max_user_watches); imagens em pastas não vigiadas só serão vistas quando a vigilância começar de novo.</translation>
    </message>
    <message>
        <source>cannot watch %1.</source>
        <translation>não é possível vigiar %1.</translation>
    </message>
    <message numerus="yes">
        <source>watching %n folder(s); stop with Ctrl-C.</source>
        <translation>
            <numerusform>vigiando %n pasta; pare com Ctrl-C.</numerusform>
            <numerusform>vigiando %n pastas; pare com Ctrl-C.</numerusform>
        </translation>
    </message>
    <message>
        <source>stopping; interrupt again to quit at once.</source>
        <translation>parando; interrompa de novo para sair na hora.</translation>
    </message>
</context>
</TS>
