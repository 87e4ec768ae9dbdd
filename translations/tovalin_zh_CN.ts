<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Optimizes images with the Tovalin service.</source>
        <translation>使用 Tovalin 服务优化图片。</translation>
    </message>
    <message>
        <source>Released under the %1 licence.</source>
        <translation>依据 %1 许可证发布。</translation>
    </message>
    <message>
        <source>Get an API key</source>
        <translation>获取 API 密钥</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>联系我们</translation>
    </message>
    <message>
        <source>About Tovalin Image Optimizer</source>
        <translation>关于 Tovalin Image Optimizer</translation>
    </message>
</context>
<context>
    <name>ApiKeySource</name>
    <message>
        <source>cannot read the key file %1: %2.</source>
        <translation>无法读取密钥文件 %1：%2。</translation>
    </message>
    <message>
        <source>warning: the key file %1 can be read by other users; make it yours only with: chmod 600 %1</source>
        <translation>警告：其他用户可以读取密钥文件 %1；可用以下命令将其设为仅自己可读：chmod 600 %1</translation>
    </message>
    <message>
        <source>the key file %1 is too large to hold an API key.</source>
        <translation>密钥文件 %1 过大，不可能是 API 密钥。</translation>
    </message>
    <message>
        <source>the key file %1 holds no API key.</source>
        <translation>密钥文件 %1 中没有 API 密钥。</translation>
    </message>
    <message>
        <source>the key stored by the window is sent only to the service this program was built for; with --service-url give the key with --api-key-file FILE or the environment variable TOVALIN_API_KEY.</source>
        <translation>窗口保存的密钥只会发送给构建本程序时指定的服务；使用 --service-url 时，请通过 --api-key-file FILE 或环境变量 TOVALIN_API_KEY 提供密钥。</translation>
    </message>
    <message>
        <source>no API key: give it with --api-key-file FILE or the environment variable TOVALIN_API_KEY, or enter it in the Tovalin Image Optimizer window.</source>
        <translation>没有 API 密钥：请通过 --api-key-file FILE 或环境变量 TOVALIN_API_KEY 提供，或在 Tovalin Image Optimizer 窗口中输入。</translation>
    </message>
</context>
<context>
    <name>CancelledError</name>
    <message>
        <source>The request was cancelled.</source>
        <translation>请求已取消。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>显示版本并退出。</translation>
    </message>
    <message>
        <source>Compression: lossy (the default), glossy or lossless.</source>
        <translation>压缩：lossy（默认）、glossy 或 lossless。</translation>
    </message>
    <message>
        <source>level</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>level</translation>
    </message>
    <message>
        <source>Also save a WebP version (the default).</source>
        <translation>同时保存 WebP 版本（默认）。</translation>
    </message>
    <message>
        <source>Save no WebP version.</source>
        <translation>不保存 WebP 版本。</translation>
    </message>
    <message>
        <source>Also save an AVIF version.</source>
        <translation>同时保存 AVIF 版本。</translation>
    </message>
    <message>
        <source>Save no AVIF version (the default).</source>
        <translation>不保存 AVIF 版本（默认）。</translation>
    </message>
    <message>
        <source>Fit each image to --width and --height: cover or contain.</source>
        <translation>按 --width 和 --height 调整每张图片：cover 或 contain。</translation>
    </message>
    <message>
        <source>mode</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>mode</translation>
    </message>
    <message>
        <source>Width to resize to, in pixels.</source>
        <translation>目标宽度，单位为像素。</translation>
    </message>
    <message>
        <source>Height to resize to, in pixels.</source>
        <translation>目标高度，单位为像素。</translation>
    </message>
    <message>
        <source>Upscale by 2, 3 or 4.</source>
        <translation>放大 2、3 或 4 倍。</translation>
    </message>
    <message>
        <source>factor</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>factor</translation>
    </message>
    <message>
        <source>Remove the background.</source>
        <translation>移除背景。</translation>
    </message>
    <message>
        <source>Keep the EXIF data.</source>
        <translation>保留 EXIF 数据。</translation>
    </message>
    <message>
        <source>Leave CMYK images in CMYK (they are converted to RGB by default).</source>
        <translation>CMYK 图片保持为 CMYK（默认转换为 RGB）。</translation>
    </message>
    <message>
        <source>Read the API key from &lt;file&gt; (see &quot;API key&quot; below).</source>
        <translation>从 &lt;file&gt; 读取 API 密钥（见下文“API 密钥”）。</translation>
    </message>
    <message>
        <source>file</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>file</translation>
    </message>
    <message>
        <source>url</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>url</translation>
    </message>
    <message>
        <source>Also trust the PEM certificates in &lt;file&gt; for --service-url.</source>
        <translation>对 --service-url 额外信任 &lt;file&gt; 中的 PEM 证书。</translation>
    </message>
    <message>
        <source>Keep up to &lt;N&gt; images with the service at once, 1 to %1 (4 by default).</source>
        <translation>同时交给服务处理的图片最多 &lt;N&gt; 张，范围为 1 到 %1（默认 4）。</translation>
    </message>
    <message>
        <source>Take only share &lt;K/N&gt; of the images, for N processes that together handle every image once (see &quot;Sharing the work&quot; below).</source>
        <translation>只处理图片中的第 &lt;K/N&gt; 份，供 N 个进程合力将每张图片
各处理一次（见下文“分担工作”）。</translation>
    </message>
    <message>
        <source>Send every image, also those whose results are up to date.</source>
        <translation>发送所有图片，包括结果已是最新的图片。</translation>
    </message>
    <message>
        <source>List what would be sent and what would be skipped; send nothing.</source>
        <translation>列出将会发送和将会跳过的内容，但不发送任何内容。</translation>
    </message>
    <message>
        <source>Print one JSON object per image instead of the table.</source>
        <translation>为每张图片输出一个 JSON 对象，而不是表格。</translation>
    </message>
    <message>
        <source>Print no progress.</source>
        <translation>不输出进度。</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>PATH</translation>
    </message>
    <message>
        <source>Image files, and folders to search.</source>
        <translation>图片文件，以及要查找的文件夹。</translation>
    </message>
    <message>
        <source>PATH...</source>
        <comment>the arguments in the help&apos;s first line</comment>
        <translation>PATH...</translation>
    </message>
    <message>
        <source>the API key is never taken from the command line, where other users could see it in the process list; give it with --api-key-file FILE or the environment variable TOVALIN_API_KEY.</source>
        <translation>API 密钥绝不从命令行获取，因为其他用户可能在进程列表中看到它；请通过 --api-key-file FILE 或环境变量 TOVALIN_API_KEY 提供。</translation>
    </message>
    <message>
        <source>--level must be lossy, glossy or lossless, not %1.</source>
        <translation>--level 必须是 lossy、glossy 或 lossless，而不是 %1。</translation>
    </message>
    <message>
        <source>--resize must be cover or contain, not %1.</source>
        <translation>--resize 必须是 cover 或 contain，而不是 %1。</translation>
    </message>
    <message>
        <source>--%1 must be a whole number of pixels, 1 or more, not %2.</source>
        <translation>--%1 必须是不小于 1 的整数像素值，而不是 %2。</translation>
    </message>
    <message>
        <source>--width and --height need --resize cover or --resize contain.</source>
        <translation>--width 和 --height 需要配合 --resize cover 或 --resize contain 使用。</translation>
    </message>
    <message>
        <source>--resize needs --width, --height or both.</source>
        <translation>--resize 需要 --width、--height 或两者。</translation>
    </message>
    <message>
        <source>--upscale must be 2, 3 or 4, not %1.</source>
        <translation>--upscale 必须是 2、3 或 4，而不是 %1。</translation>
    </message>
    <message>
        <source>--api-key-file needs the name of a file.</source>
        <translation>--api-key-file 需要一个文件名。</translation>
    </message>
    <message>
        <source>--service-url must be an https address such as https://host:port, not %1.</source>
        <translation>--service-url 必须是 https 地址，例如 https://host:port，而不是 %1。</translation>
    </message>
    <message>
        <source>--ca-file is only for the service given with --service-url.</source>
        <translation>--ca-file 仅适用于通过 --service-url 指定的服务。</translation>
    </message>
    <message>
        <source>--jobs must be a whole number from 1 to %1, not %2.</source>
        <translation>--jobs 必须是 1 到 %1 之间的整数，而不是 %2。</translation>
    </message>
    <message>
        <source>--shard must be K/N with K from 1 to N, such as 2/4, not %1.</source>
        <translation>--shard 必须是 K/N 形式，K 为 1 到 N，例如 2/4，而不是 %1。</translation>
    </message>
    <message>
        <source>no images or folders given.</source>
        <translation>未指定任何图片或文件夹。</translation>
    </message>
    <message>
        <source>Usage: %1 [options] PATH...</source>
        <translation>用法：%1 [选项] PATH...</translation>
    </message>
    <message>
        <source>Reruns:
  Every result carries a mark naming its source and the settings it was made with. Results
  found in a folder are never taken for images to optimize, and an image whose results are
  all there, made from the image as it is now with the same settings, is skipped (&quot;Already
  optimized.&quot;). --force sends it anyway. Where the file system keeps no marks, nothing is
  skipped. --dry-run lists what would be sent and what skipped.
</source>
        <translation>重复运行：
  每个结果都带有标记，注明其来源以及生成时所用的设置。文件夹中找到的结果绝不会被当作待优化的图片；
  如果某张图片的所有结果都在，且都是用相同设置从图片当前的内容生成的，则跳过该图片（“已优化。”）。
  --force 仍会发送它。在不保存标记的文件系统上，不会跳过任何图片。--dry-run 列出将会发送和将会跳过
  的内容。
</translation>
    </message>
    <message>
        <source>Several at once:
  Up to --jobs images are with the service at once. Two images whose results would share a
  file name are never sent together.
</source>
        <translation>同时处理多张：
  最多有 --jobs 张图片同时在服务中处理。结果文件名会相同的两张图片绝不会一起发送。
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
        <translation>分担工作：
  --shard K/N 选取所找到图片 N 份中的第 K 份，依据每张图片相对于所给文件夹的路径（单独给出的文件则
  为给出时的路径）的哈希值划分。给出相同路径、分别使用 --shard 1/N 到 N/N 的 N 个进程，无论在一台
  还是多台机器上，都会将每张图片恰好处理一次，例如使用 GNU parallel：
    parallel %1 --shard {}/4 ~/site/images ::: 1 2 3 4
</translation>
    </message>
    <message>
        <source>Optimize on this computer (local, no key needed) or through the Tovalin service (service, with your API key); %1 by default.</source>
        <translation>在本机优化（local，无需密钥），或通过 Tovalin 服务优化
（service，需要您的 API 密钥）；默认为 %1。</translation>
    </message>
    <message>
        <source>engine</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>engine</translation>
    </message>
    <message>
        <source>Talk to the service at &lt;url&gt; (https only) instead of the one this program was built for; implies --engine service. The key must then come from --api-key-file or TOVALIN_API_KEY.</source>
        <translation>改用位于 &lt;url&gt; 的服务（仅限 https），而非构建时指定的服务；
隐含 --engine service。此时密钥必须来自 --api-key-file
或 TOVALIN_API_KEY。</translation>
    </message>
    <message>
        <source>Optimizes images on this computer or through the Tovalin service and saves the results
beside them: photo.jpg gives photo-optimized.jpg, and photo.webp or photo.avif when
asked for. Folders are searched for images. The source images are never changed.</source>
        <translation>在本机或通过 Tovalin 服务优化图片，并将结果保存在原图旁边：
photo.jpg 生成 photo-optimized.jpg，按需还会生成 photo.webp 或 photo.avif。
会在文件夹中查找图片。源图片永远不会被修改。</translation>
    </message>
    <message>
        <source>--engine must be local or service, not %1.</source>
        <translation>--engine 必须是 local 或 service，而不是 %1。</translation>
    </message>
    <message>
        <source>--service-url is for --engine service.</source>
        <translation>--service-url 仅适用于 --engine service。</translation>
    </message>
    <message>
        <source>Engines:
  local    the engine on this computer: started by this command for its run and ended with it,
           offline, no account or key; the images never leave this computer.
  service  the Tovalin service, with the API key of your account.
  Without --engine: %1, or service with --service-url.
</source>
        <translation>引擎：
  local    本机上的引擎：由本命令为此次运行启动，并随运行结束而退出；离线工作，无需账户或密钥；图
           片绝不会离开本机。
  service  Tovalin 服务，使用您账户的 API 密钥。
  未指定 --engine 时为 %1；指定了 --service-url 时为 service。
</translation>
    </message>
    <message>
        <source>API key:
  Only the Tovalin service needs one. Taken from --api-key-file FILE, else from the environment
  variable TOVALIN_API_KEY, else the key stored by the Tovalin Image Optimizer window. It is never
  taken from the command line and never printed. A key file should be readable by you only
  (chmod 600 FILE).
</source>
        <translation>API 密钥：
  只有 Tovalin 服务需要密钥。依次取自 --api-key-file FILE、环境变量 TOVALIN_API_KEY，以及 Tovalin
  Image Optimizer 窗口保存的密钥。密钥绝不从命令行获取，也绝不会输出。密钥文件应设为仅自己可读
  （chmod 600 FILE）。
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
        <translation>退出状态：
  0    所有图片均已优化或已是最新
  1    至少有一张图片失败
  2    用法错误：选项有误，或没有用于服务的 API 密钥
  130  已中断（Ctrl-C）；收到 SIGHUP 和 SIGTERM 后分别为 129 和 143

  中断会像窗口中的“停止”按钮一样停止运行：正在进行的传输会被中止，不会留下写了一半的文件，尚未处理
  的图片会报告为已停止。再次中断会立即退出。
</translation>
    </message>
    <message>
        <source>Examples:
  %1 --level glossy --avif ~/Pictures/holiday
  TOVALIN_API_KEY=... %1 --engine service ~/Pictures/holiday
</source>
        <translation>示例：
  %1 --level glossy --avif ~/图片/假期
  TOVALIN_API_KEY=... %1 --engine service ~/图片/假期
</translation>
    </message>
    <message>
        <source>Save the results in &lt;folder&gt; instead of beside the images (see &quot;Output&quot; below).</source>
        <translation>将结果保存到 &lt;folder&gt;，而不是图片旁边（见下文“输出”）。</translation>
    </message>
    <message>
        <source>folder</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>folder</translation>
    </message>
    <message>
        <source>Give every result the modification time of its image (the default).</source>
        <translation>让每个结果采用其图片的修改时间（默认）。</translation>
    </message>
    <message>
        <source>Leave every result dated by when it was saved.</source>
        <translation>让每个结果保留其保存时的时间。</translation>
    </message>
    <message>
        <source>--output-dir needs the name of a folder.</source>
        <translation>--output-dir 需要一个文件夹名称。</translation>
    </message>
    <message>
        <source>--output-dir must be a folder, not %1.</source>
        <translation>--output-dir 必须是文件夹，而不是 %1。</translation>
    </message>
    <message>
        <source>Output:
  Results go beside their images, or with --output-dir DIR into DIR: the tree under each folder
  given is mirrored there, and an image given by itself goes to its top. Each result has the
  modification time of its image (--no-keep-dates: the time it was saved).
  Progress goes to standard error: one redrawn line on a terminal, otherwise one line per image.
  The table of results, or with --json one JSON object per image, goes to standard output.
</source>
        <translation>输出：
  结果保存在图片旁边；使用 --output-dir DIR 时保存到 DIR：其中重现所给每个文件夹下的目录结构，
  单独给出的图片放在 DIR 顶层。每个结果采用其图片的修改时间（--no-keep-dates：保存时的时间）。
  进度输出到标准错误：在终端中为一行不断重绘的内容，否则每张图片一行。结果表格（使用 --json 时为每
  张图片一个 JSON 对象）输出到标准输出。
</translation>
    </message>
    <message>
        <source>Stay, and optimize each image that appears or changes in the folders given once it has been written (see &quot;Watching&quot; below).</source>
        <translation>保持运行，在指定文件夹中出现或更改的每张图片
写入完成后立即优化它（见下文“监视”）。</translation>
    </message>
    <message>
        <source>--watch cannot be combined with --%1.</source>
        <translation>--watch 不能与 --%1 一起使用。</translation>
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
        <translation>监视：
  --watch 文件夹... 先优化文件夹中需要处理的内容，然后保持运行：文件夹中（包括之后新建的
  文件夹）出现或更改的图片，在半秒内没有再写入时即被优化。已是最新的内容会像重复运行时一样
  跳过，本程序的结果绝不会被当作图片。每张图片的结果在完成时立即输出（使用 --json 时，每张
  图片在标准输出上输出一个 JSON 对象）。Ctrl-C 或 SIGTERM 会像中断一样停止正在进行的处理，
  并以状态 0 结束监视。
</translation>
    </message>
</context>
<context>
    <name>CompareCanvas</name>
    <message>
        <source>Original and result</source>
        <translation>原图和结果</translation>
    </message>
    <message>
        <source>Split view, the original left of the divider.</source>
        <translation>分割视图，原图在分隔线左侧。</translation>
    </message>
    <message>
        <source>Side by side, the original on the left.</source>
        <translation>并排显示，原图在左侧。</translation>
    </message>
    <message>
        <source>Zoom %1 %.</source>
        <translation>缩放 %1%。</translation>
    </message>
    <message>
        <source>The arrow keys move the picture, Shift with Left and Right moves the divider; plus and minus zoom, 0 fits, 1 and 2 show 100 % and 200 %.</source>
        <translation>方向键移动画面，Shift 加左右方向键移动分隔线；加号和减号缩放，0 适合窗口，1 和 2 分别按 100% 和 200% 显示。</translation>
    </message>
    <message>
        <source>The arrow keys move the picture; plus and minus zoom, 0 fits, 1 and 2 show 100 % and 200 %.</source>
        <translation>方向键移动画面；加号和减号缩放，0 适合窗口，1 和 2 分别按 100% 和 200% 显示。</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Compare with</source>
        <translation>比较对象</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>并排</translation>
    </message>
    <message>
        <source>View</source>
        <translation>视图</translation>
    </message>
    <message>
        <source>the result over the original with a divider, or beside it</source>
        <translation>结果以分隔线叠在原图上，或与原图并排</translation>
    </message>
    <message>
        <source>Zoom out (−)</source>
        <translation>缩小（−）</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Zoom in (+)</source>
        <translation>放大（+）</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>适合窗口</translation>
    </message>
    <message>
        <source>The whole picture in the window (0)</source>
        <translation>在窗口中显示整张图片（0）</translation>
    </message>
    <message>
        <source>One pixel of the picture to a pixel of the screen (1)</source>
        <translation>图片的一个像素对应屏幕的一个像素（1）</translation>
    </message>
    <message>
        <source>Each pixel of the picture as two of the screen (2)</source>
        <translation>图片的每个像素显示为屏幕的两个像素（2）</translation>
    </message>
    <message>
        <source>The structural similarity (SSIM) of the result to the original, over red, green and blue: 1 for the same picture, lower as they drift apart.</source>
        <translation>结果与原图在红、绿、蓝通道上的结构相似性（SSIM）：图片相同时为 1，差异越大值越低。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Compare “%1”</source>
        <translation>比较“%1”</translation>
    </message>
    <message>
        <source>which saved file is shown against the original</source>
        <translation>与原图对照显示的已保存文件</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>原图</translation>
    </message>
    <message>
        <source>The original and the %1 image</source>
        <translation>原图和“%1”图片</translation>
    </message>
    <message>
        <source>The original could not be read.</source>
        <translation>无法读取原图。</translation>
    </message>
    <message>
        <source>This file could not be read.</source>
        <translation>无法读取此文件。</translation>
    </message>
    <message>
        <source>Measuring similarity…</source>
        <translation>正在测量相似性…</translation>
    </message>
    <message>
        <source>Similarity %1 (SSIM)</source>
        <translation>相似性 %1（SSIM）</translation>
    </message>
    <message>
        <source>Similarity could not be measured.</source>
        <translation>无法测量相似性。</translation>
    </message>
    <message>
        <source>Zoom %1</source>
        <translation>缩放 %1</translation>
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
        <translation>[API 密钥]</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Selected Images</source>
        <translation>所选图片</translation>
    </message>
    <message>
        <source>The queue: one row per image with its state, message and saved files. Enter compares a done image with its result, the Menu key lists what can be done with the current image, and Space removes it. Images and folders can be dropped here.</source>
        <translation>队列：每张图片一行，显示其状态、消息和已保存的文件。按 Enter 键可将已完成的图片与其结果比较，按菜单键可列出对当前图片可执行的操作，按空格键可将其移出队列。可将图片和文件夹拖放到此处。</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>On this computer</source>
        <translation>本机</translation>
    </message>
    <message>
        <source>Tovalin service</source>
        <translation>Tovalin 服务</translation>
    </message>
</context>
<context>
    <name>EngineProcess</name>
    <message>
        <source>no answer within %1 seconds.</source>
        <translation>%1 秒内没有应答。</translation>
    </message>
    <message>
        <source>it ended unexpectedly.</source>
        <translation>它意外退出了。</translation>
    </message>
    <message>
        <source>it ended with status %1.</source>
        <translation>它以状态 %1 退出。</translation>
    </message>
    <message>
        <source>it did not say where it listens.</source>
        <translation>它没有告知监听地址。</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>Could not read “%1”: %2.</source>
        <translation>无法读取“%1”：%2。</translation>
    </message>
    <message>
        <source>“%1” changed while it was being sent; nothing was saved for it.</source>
        <translation>“%1”在发送过程中发生了变化；未为其保存任何内容。</translation>
    </message>
    <message>
        <source>“%1” was removed while it was being sent; nothing was saved for it.</source>
        <translation>“%1”在发送过程中被删除；未为其保存任何内容。</translation>
    </message>
    <message>
        <source>Not a regular file.</source>
        <translation>不是普通文件。</translation>
    </message>
    <message>
        <source>not a local file</source>
        <translation>不是本地文件</translation>
    </message>
    <message>
        <source>“%1” was removed while it was being optimized; nothing was saved for it.</source>
        <translation>“%1”在优化过程中被删除；未为其保存任何内容。</translation>
    </message>
    <message>
        <source>Cannot write to “%1”.</source>
        <translation>无法写入“%1”。</translation>
    </message>
    <message>
        <source>No name is free for the results in “%1”.</source>
        <translation>“%1”中已没有可用于结果的名称。</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Folder for the Results</source>
        <translation>结果文件夹</translation>
    </message>
</context>
<context>
    <name>ImageDecoder</name>
    <message>
        <source>The image could not be read.</source>
        <translation>无法读取图片。</translation>
    </message>
</context>
<context>
    <name>ImageJob</name>
    <message>
        <source>Ready to optimize.</source>
        <translation>已准备好优化。</translation>
    </message>
</context>
<context>
    <name>ItemPickerDialog</name>
    <message>
        <source>Images (%1)</source>
        <translation>图片（%1）</translation>
    </message>
    <message>
        <source>Raw camera images (%1)</source>
        <translation>相机 RAW 图片（%1）</translation>
    </message>
    <message>
        <source>Choose images or folders to optimize</source>
        <translation>选择要优化的图片或文件夹</translation>
    </message>
</context>
<context>
    <name>JobListView</name>
    <message>
        <source>Drop images or folders here</source>
        <translation>将图片或文件夹拖放到此处</translation>
    </message>
    <message>
        <source>Drop to add to the queue</source>
        <translation>松开即可添加到队列</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>原图</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>打开“%1”</translation>
    </message>
    <message>
        <source>Show %1 in Folder</source>
        <translation>在文件夹中显示“%1”</translation>
    </message>
    <message>
        <source>Remove from Queue</source>
        <translation>移出队列</translation>
    </message>
    <message numerus="yes">
        <source>Optimize %n Again</source>
        <translation>
            <numerusform>再次优化 %n 张图片</numerusform>
        </translation>
    </message>
    <message>
        <source>Optimize Again</source>
        <translation>再次优化</translation>
    </message>
</context>
<context>
    <name>JobRowDelegate</name>
    <message>
        <source>Remove from queue</source>
        <translation>移出队列</translation>
    </message>
    <message>
        <source>Double-click or press Enter to compare with the original</source>
        <translation>双击或按 Enter 键与原图比较</translation>
    </message>
</context>
<context>
    <name>JobStatus</name>
    <message>
        <source>Queued</source>
        <translation>排队中</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>处理中</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>已停止</translation>
    </message>
</context>
<context>
    <name>LaunchArguments</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>显示版本并退出。</translation>
    </message>
    <message>
        <source>Opens the Tovalin Image Optimizer window with the given images queued; folders are
searched for images. When the window is already open, they join its queue and the
window is brought to the front.</source>
        <translation>打开 Tovalin Image Optimizer 窗口，并将给定的图片加入队列；会在文件夹中查找图片。
如果窗口已经打开，这些图片会加入其队列，并将窗口带到前台。</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>PATH</translation>
    </message>
    <message>
        <source>Image files and folders, as paths or file: URIs.</source>
        <translation>图片文件和文件夹，以路径或 file: URI 形式给出。</translation>
    </message>
    <message>
        <source>[PATH...]</source>
        <comment>the arguments in the help&apos;s first line</comment>
        <translation>[PATH...]</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [PATH...]</source>
        <translation>用法：%1 [选项] [PATH...]</translation>
    </message>
    <message>
        <source>tovalin-image-optimizer: %1 is not on this computer; only local files and folders can be queued.</source>
        <translation>tovalin-image-optimizer：%1 不在本机上；只能将本地文件和文件夹加入队列。</translation>
    </message>
</context>
<context>
    <name>LinkButton</name>
    <message>
        <source>Opens %1 in the web browser.</source>
        <translation>在网页浏览器中打开 %1。</translation>
    </message>
</context>
<context>
    <name>LocalEngine</name>
    <message>
        <source>The optimizer on this computer could not be started: %1</source>
        <translation>无法启动本机优化引擎：%1</translation>
    </message>
    <message>
        <source>the program is closing.</source>
        <translation>程序正在关闭。</translation>
    </message>
    <message>
        <source>The optimizer on this computer is missing: %1 is not installed beside this program.</source>
        <translation>本机优化引擎缺失：%1 未安装在本程序旁边。</translation>
    </message>
    <message>
        <source>The optimizer on this computer stopped unexpectedly; the next image starts it again.</source>
        <translation>本机优化引擎意外停止；处理下一张图片时会重新启动它。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>关闭窗口</translation>
    </message>
</context>
<context>
    <name>OptimizeCommand</name>
    <message>
        <source>the file system of %1 keeps no marks on files, so images there are sent even when their results are up to date.</source>
        <translation>%1 的文件系统不在文件上保存标记，因此其中的图片即使结果已是最新也会被发送。</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>运行“%1 --help”了解更多信息。</translation>
    </message>
    <message>
        <source>no PEM certificate could be read from %1.</source>
        <translation>无法从 %1 读取任何 PEM 证书。</translation>
    </message>
    <message>
        <source>stopping; interrupt again to quit at once.</source>
        <translation>正在停止；再次中断可立即退出。</translation>
    </message>
    <message>
        <source>no images found in the given folders.</source>
        <translation>在指定的文件夹中未找到图片。</translation>
    </message>
    <message>
        <source>warning: the key file is only for the Tovalin service; these images are optimized on this computer (--engine service sends them to the service).</source>
        <translation>警告：密钥文件仅用于 Tovalin 服务；这些图片将在本机优化（使用 --engine service 可将其发送到服务）。</translation>
    </message>
    <message>
        <source>--watch takes folders; %1 is not one.</source>
        <translation>--watch 需要文件夹；%1 不是文件夹。</translation>
    </message>
</context>
<context>
    <name>OutputKind</name>
    <message>
        <source>Optimized</source>
        <translation>已优化</translation>
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
        <translation>即将完成</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>大约还剩 %1</translation>
    </message>
</context>
<context>
    <name>QueueHeader</name>
    <message>
        <source>Clear finished</source>
        <translation>清除已完成</translation>
    </message>
    <message>
        <source>Clear queue</source>
        <translation>清空队列</translation>
    </message>
    <message>
        <source>Selected Images</source>
        <translation>所选图片</translation>
    </message>
    <message>
        <source>Removes the images that are done from the queue.</source>
        <translation>将已完成的图片移出队列。</translation>
    </message>
    <message>
        <source>Removes every image from the queue but the one being optimized.</source>
        <translation>将正在优化的图片以外的所有图片移出队列。</translation>
    </message>
    <message>
        <source>Add files to begin.</source>
        <translation>添加文件即可开始。</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) left to optimize</source>
        <translation>
            <numerusform>还有 %n 张图片待优化</numerusform>
        </translation>
    </message>
    <message>
        <source>Enter your API key to begin.</source>
        <translation>输入您的 API 密钥即可开始。</translation>
    </message>
    <message>
        <source>Press Optimize to begin.</source>
        <translation>按“优化”即可开始。</translation>
    </message>
</context>
<context>
    <name>QueueRunner</name>
    <message numerus="yes">
        <source>Optimizing %n image(s)…</source>
        <translation>
            <numerusform>正在优化 %n 张图片…</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped by user.</source>
        <translation>已被用户停止。</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>已完成。</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>已停止。</translation>
    </message>
    <message>
        <source>Sending to Tovalin…</source>
        <translation>正在发送到 Tovalin…</translation>
    </message>
    <message>
        <source>The image could not be optimized.</source>
        <translation>无法优化该图片。</translation>
    </message>
    <message>
        <source>Optimized and saved locally.</source>
        <translation>已优化并保存到本地。</translation>
    </message>
    <message>
        <source>“%1” is not this program&apos;s and was kept; this one is “%2”.</source>
        <translation>“%1”不是本程序生成的，已保留；本次结果为“%2”。</translation>
    </message>
    <message>
        <source>Image is being optimized…</source>
        <translation>正在优化图片…</translation>
    </message>
    <message>
        <source>Every image is already optimized.</source>
        <translation>所有图片均已优化。</translation>
    </message>
</context>
<context>
    <name>ResizeMode</name>
    <message>
        <source>No resize</source>
        <translation>不调整</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>填充</translation>
    </message>
    <message>
        <source>Contain</source>
        <translation>适应</translation>
    </message>
</context>
<context>
    <name>RunNotifier</name>
    <message>
        <source>Done.</source>
        <translation>已完成。</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) optimized</source>
        <translation>
            <numerusform>已优化 %n 张图片</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n 张失败</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stopped</source>
        <translation>
            <numerusform>%n 张已停止</numerusform>
        </translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>the parts of a run&apos;s outcome, joined</comment>
        <translation>%1。</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the parts of a run&apos;s outcome</comment>
        <translation>，</translation>
    </message>
</context>
<context>
    <name>RunProgress</name>
    <message>
        <source>Progress of the run</source>
        <translation>运行进度</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>Done</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>已跳过</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>待发送</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>STATE</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>BEFORE</source>
        <translation>之前</translation>
    </message>
    <message>
        <source>AFTER</source>
        <translation>之后</translation>
    </message>
    <message>
        <source>CHANGE</source>
        <translation>变化</translation>
    </message>
    <message>
        <source>MESSAGE</source>
        <translation>消息</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>已停止。</translation>
    </message>
    <message>
        <source>1 image</source>
        <translation>1 张图片</translation>
    </message>
    <message numerus="yes">
        <source>%n images</source>
        <translation>
            <numerusform>%n 张图片</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n done</source>
        <translation>
            <numerusform>%n 张已完成</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n 张失败</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stopped</source>
        <translation>
            <numerusform>%n 张已停止</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n 张已跳过</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n due</source>
        <translation>
            <numerusform>%n 张待发送</numerusform>
        </translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合计</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>the images counted: how they ended</comment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>%1 needs a width, a height or both.</source>
        <translation>“%1”需要宽度、高度或两者。</translation>
    </message>
    <message>
        <source>The width must be a whole number of pixels, 1 or more.</source>
        <translation>宽度必须是不小于 1 的整数像素值。</translation>
    </message>
    <message>
        <source>The height must be a whole number of pixels, 1 or more.</source>
        <translation>高度必须是不小于 1 的整数像素值。</translation>
    </message>
    <message>
        <source>The width and the height must be whole numbers of pixels, 1 or more.</source>
        <translation>宽度和高度必须是不小于 1 的整数像素值。</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>Help: %1</source>
        <translation>帮助：%1</translation>
    </message>
    <message>
        <source>Opens the article in the web browser.</source>
        <translation>在网页浏览器中打开这篇文章。</translation>
    </message>
    <message>
        <source>API Key</source>
        <translation>API 密钥</translation>
    </message>
    <message>
        <source>(Get an API Key)</source>
        <translation>（获取 API 密钥）</translation>
    </message>
    <message>
        <source>Your 20-character API key</source>
        <translation>您的 20 位 API 密钥</translation>
    </message>
    <message>
        <source>The API key of your Tovalin account. It is kept for the next start.</source>
        <translation>您 Tovalin 账户的 API 密钥。它会保存下来，供下次启动时使用。</translation>
    </message>
    <message>
        <source>Hide key</source>
        <translation>隐藏密钥</translation>
    </message>
    <message>
        <source>Show key</source>
        <translation>显示密钥</translation>
    </message>
    <message>
        <source>Masks the API key again.</source>
        <translation>再次隐藏 API 密钥。</translation>
    </message>
    <message>
        <source>Shows the API key in plain text.</source>
        <translation>以明文显示 API 密钥。</translation>
    </message>
    <message>
        <source>Densora Level</source>
        <translation>Densora 级别</translation>
    </message>
    <message>
        <source>Learn about Lossy, Glossy, and Lossless</source>
        <translation>了解 Lossy、Glossy 和 Lossless</translation>
    </message>
    <message>
        <source>Compression levels</source>
        <translation>压缩级别</translation>
    </message>
    <message>
        <source>how strongly images are compressed</source>
        <translation>图片的压缩强度</translation>
    </message>
    <message>
        <source>Next Generation Images</source>
        <translation>新一代图片格式</translation>
    </message>
    <message>
        <source>Create WebP (+ keep original)</source>
        <translation>创建 WebP（+ 保留原图）</translation>
    </message>
    <message>
        <source>Also saves a WebP version beside each image.</source>
        <translation>在每张图片旁边另存一个 WebP 版本。</translation>
    </message>
    <message>
        <source>Create AVIF (+ keep original)</source>
        <translation>创建 AVIF（+ 保留原图）</translation>
    </message>
    <message>
        <source>Also saves an AVIF version beside each image.</source>
        <translation>在每张图片旁边另存一个 AVIF 版本。</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>调整大小</translation>
    </message>
    <message>
        <source>Learn how Tovalin resizes images automatically</source>
        <translation>了解 Tovalin 如何自动调整图片大小</translation>
    </message>
    <message>
        <source>how images are fitted to the width and height</source>
        <translation>图片如何适应宽度和高度</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>Target width in pixels.</source>
        <translation>目标宽度（像素）。</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>Target height in pixels.</source>
        <translation>目标高度（像素）。</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Convert CMYK to RGB</source>
        <translation>将 CMYK 转换为 RGB</translation>
    </message>
    <message>
        <source>Print colors are turned into screen colors.</source>
        <translation>将印刷色转换为屏幕色。</translation>
    </message>
    <message>
        <source>Remove background</source>
        <translation>移除背景</translation>
    </message>
    <message>
        <source>The service cuts the subject out of its background.</source>
        <translation>服务会将主体从背景中抠出。</translation>
    </message>
    <message>
        <source>Keep EXIF</source>
        <translation>保留 EXIF</translation>
    </message>
    <message>
        <source>Camera data such as date and place stay in the image.</source>
        <translation>日期、地点等相机数据会保留在图片中。</translation>
    </message>
    <message>
        <source>Upscale</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>How many times larger the service makes each image.</source>
        <translation>服务将每张图片放大的倍数。</translation>
    </message>
    <message>
        <source>Images at once</source>
        <translation>同时处理数量</translation>
    </message>
    <message>
        <source>How many images are with the service at the same time.</source>
        <translation>同时在服务中处理的图片数量。</translation>
    </message>
    <message>
        <source>Add images or folders…</source>
        <translation>添加图片或文件夹…</translation>
    </message>
    <message>
        <source>Chooses images and folders to queue. They can also be dropped on the window.</source>
        <translation>选择要加入队列的图片和文件夹。也可以将它们拖放到窗口上。</translation>
    </message>
    <message>
        <source>Optimize</source>
        <translation>优化</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stops the run; the image in progress is marked stopped.</source>
        <translation>停止运行；正在处理的图片会被标记为已停止。</translation>
    </message>
    <message>
        <source>Contact us with any issues, bug reports, or questions.</source>
        <translation>如有任何问题、错误报告或疑问，请联系我们。</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>About Tovalin Image Optimizer</source>
        <translation>关于 Tovalin Image Optimizer</translation>
    </message>
    <message>
        <source>Optimizes every image in the queue with the options above.</source>
        <translation>使用上方的选项优化队列中的每张图片。</translation>
    </message>
    <message>
        <source>Enter an API key and add images first.</source>
        <translation>请先输入 API 密钥并添加图片。</translation>
    </message>
    <message>
        <source>Enter an API key first.</source>
        <translation>请先输入 API 密钥。</translation>
    </message>
    <message>
        <source>Add images first.</source>
        <translation>请先添加图片。</translation>
    </message>
    <message>
        <source>Images are being optimized.</source>
        <translation>正在优化图片。</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>服务</translation>
    </message>
    <message>
        <source>where the images are optimized</source>
        <translation>图片在何处优化</translation>
    </message>
    <message>
        <source>Watch added folders</source>
        <translation>监视已添加的文件夹</translation>
    </message>
    <message>
        <source>New images in the folders you added are queued as they appear.</source>
        <translation>已添加文件夹中出现的新图片会立即加入队列。</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Where results go</source>
        <translation>结果保存位置</translation>
    </message>
    <message>
        <source>Beside the originals</source>
        <translation>原图旁边</translation>
    </message>
    <message>
        <source>In a folder…</source>
        <translation>文件夹…</translation>
    </message>
    <message>
        <source>Keep file dates</source>
        <translation>保留文件日期</translation>
    </message>
    <message>
        <source>Every result gets the modification time of its original.</source>
        <translation>每个结果采用其原图的修改时间。</translation>
    </message>
    <message>
        <source>Results are saved in %1.</source>
        <translation>结果保存在 %1。</translation>
    </message>
    <message>
        <source>Results are saved beside their originals.</source>
        <translation>结果保存在原图旁边。</translation>
    </message>
</context>
<context>
    <name>SizeText</name>
    <message>
        <source>Nothing saved</source>
        <translation>未节省空间</translation>
    </message>
    <message>
        <source>Saved %1 of %2</source>
        <translation>已从 %2 中节省 %1</translation>
    </message>
    <message>
        <source>larger than %1</source>
        <translation>大于“%1”</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Turns while images are being optimized.</source>
        <translation>优化图片时旋转。</translation>
    </message>
</context>
<context>
    <name>TimeLeft</name>
    <message>
        <source>Almost done</source>
        <translation>即将完成</translation>
    </message>
    <message>
        <source>%1 s</source>
        <comment>seconds</comment>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1 min</source>
        <comment>minutes</comment>
        <translation>%1 分钟</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours</comment>
        <translation>%1 小时</translation>
    </message>
    <message>
        <source>About %1 left</source>
        <translation>大约还剩 %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
</context>
<context>
    <name>TovalinError</name>
    <message>
        <source>(binary)</source>
        <translation>（二进制）</translation>
    </message>
    <message>
        <source>Unexpected API response: %1</source>
        <translation>意外的 API 响应：%1</translation>
    </message>
    <message>
        <source>Failed to encode parameters.</source>
        <translation>无法编码参数。</translation>
    </message>
    <message>
        <source>Tovalin did not return any data.</source>
        <translation>Tovalin 未返回任何数据。</translation>
    </message>
    <message>
        <source>No download URL returned for this configuration.</source>
        <translation>此配置未返回下载地址。</translation>
    </message>
    <message>
        <source>Could not save the optimized file.</source>
        <translation>无法保存优化后的文件。</translation>
    </message>
    <message>
        <source>Could not download the optimized file (HTTP status %1).</source>
        <translation>无法下载优化后的文件（HTTP 状态 %1）。</translation>
    </message>
    <message>
        <source>Could not download the optimized file (empty response).</source>
        <translation>无法下载优化后的文件（响应为空）。</translation>
    </message>
</context>
<context>
    <name>TransportError</name>
    <message>
        <source>The connection timed out: no data moved for %1 seconds.</source>
        <translation>连接超时：%1 秒内没有传输任何数据。</translation>
    </message>
    <message>
        <source>The reply is larger than %1, the most this program accepts.</source>
        <translation>响应大于 %1，超出了本程序接受的上限。</translation>
    </message>
    <message>
        <source>The server “%1” could not be found.</source>
        <translation>找不到服务器“%1”。</translation>
    </message>
    <message>
        <source>The proxy server could not be found.</source>
        <translation>找不到代理服务器。</translation>
    </message>
    <message>
        <source>Could not connect to the server “%1”.</source>
        <translation>无法连接到服务器“%1”。</translation>
    </message>
    <message>
        <source>The secure connection to “%1” could not be established: %2.</source>
        <translation>无法与“%1”建立安全连接：%2。</translation>
    </message>
    <message>
        <source>The service redirected the request to an address it may not go to.</source>
        <translation>服务将请求重定向到了不允许访问的地址。</translation>
    </message>
    <message>
        <source>Too many redirects.</source>
        <translation>重定向次数过多。</translation>
    </message>
    <message>
        <source>The connection to the service was closed before it answered.</source>
        <translation>服务应答之前连接已关闭。</translation>
    </message>
    <message>
        <source>The connection was closed before the whole reply arrived.</source>
        <translation>完整响应到达之前连接已关闭。</translation>
    </message>
    <message>
        <source>Refused to connect to “%1”: only secure (https) addresses are allowed.</source>
        <translation>已拒绝连接到“%1”：只允许安全（https）地址。</translation>
    </message>
    <message>
        <source>The connection could not be set up.</source>
        <translation>无法建立连接。</translation>
    </message>
</context>
<context>
    <name>UpToDateJobs</name>
    <message>
        <source>Already optimized.</source>
        <translation>已优化。</translation>
    </message>
</context>
<context>
    <name>UpscaleFactor</name>
    <message>
        <source>No upscale</source>
        <translation>不放大</translation>
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
        <translation>警告：系统不允许再监视更多文件夹（fs.inotify.max_user_watches）；未被监视的文件夹中的图片要到下次开始监视时才会被发现。</translation>
    </message>
    <message>
        <source>cannot watch %1.</source>
        <translation>无法监视 %1。</translation>
    </message>
    <message numerus="yes">
        <source>watching %n folder(s); stop with Ctrl-C.</source>
        <translation>
            <numerusform>正在监视 %n 个文件夹；按 Ctrl-C 停止。</numerusform>
        </translation>
    </message>
    <message>
        <source>stopping; interrupt again to quit at once.</source>
        <translation>正在停止；再次中断可立即退出。</translation>
    </message>
</context>
</TS>
