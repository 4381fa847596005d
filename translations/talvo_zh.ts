<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>TALVO Radio Programming Software</source>
        <translation>TALVO 对讲机编程软件</translation>
    </message>
    <message>
        <source>English edition V1.50</source>
        <translation>简体中文版 V1.50</translation>
    </message>
</context>
<context>
    <name>AppHelp</name>
    <message>
        <source>Programming software for the TALVO radio.</source>
        <translation>TALVO 对讲机写频软件。</translation>
    </message>
    <message>
        <source>Attach a virtual radio with a sample configuration as port %1.</source>
        <translation>把一台带示例配置的虚拟对讲机接为端口 %1。</translation>
    </message>
    <message>
        <source>A data file (.dat) to open at start.</source>
        <translation>启动时打开的数据文件（.dat）。</translation>
    </message>
</context>
<context>
    <name>BackupsWindow</name>
    <message>
        <source>Backups</source>
        <translation>备份</translation>
    </message>
    <message>
        <source>Every read keeps what the radio held in:
%1</source>
        <translation>每次读频都会把对讲机中的数据备份在：
%1</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>日期和时间</translation>
    </message>
    <message>
        <source>Channels used</source>
        <translation>已用频道</translation>
    </message>
    <message>
        <source>First channel names</source>
        <translation>频道名称</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>无法读取</translation>
    </message>
</context>
<context>
    <name>ChangeList</name>
    <message>
        <source>on</source>
        <translation>是</translation>
    </message>
    <message>
        <source>off</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>频段</translation>
    </message>
    <message>
        <source>FM channel </source>
        <translation>收音机频道 </translation>
    </message>
    <message>
        <source>FM VFO</source>
        <translation>收音机频率</translation>
    </message>
    <message>
        <source>FM present channel</source>
        <translation>收音机当前频道</translation>
    </message>
    <message>
        <source>FM display mode</source>
        <translation>收音机显示模式</translation>
    </message>
    <message>
        <source>FM step</source>
        <translation>收音机步进</translation>
    </message>
    <message>
        <source>A band </source>
        <translation>A段 </translation>
    </message>
    <message>
        <source>B band </source>
        <translation>B段 </translation>
    </message>
</context>
<context>
    <name>ChangeListWindow</name>
    <message>
        <source>Changes to Write</source>
        <translation>写频前确认更改</translation>
    </message>
    <message>
        <source>What the radio held is kept in the backup %1.
Writing will make these changes:</source>
        <translation>对讲机中原有的数据已备份为 %1。
写频将带来以下更改：</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>更改</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>写频(&amp;W)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message numerus="yes">
        <source>%n changes</source>
        <comment>%n change</comment>
        <translation>
            <numerusform>共 %n 处更改</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChangeTable</name>
    <message>
        <source>(empty)</source>
        <translation>（空）</translation>
    </message>
    <message>
        <source>Channel </source>
        <translation>频道 </translation>
    </message>
    <message>
        <source> (added)</source>
        <translation>（新增）</translation>
    </message>
    <message>
        <source> (removed)</source>
        <translation>（删除）</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>FM</source>
        <translation>收音机</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>功率</translation>
    </message>
    <message>
        <source>Channel or setting</source>
        <translation>频道或设置</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>Old value</source>
        <translation>原值</translation>
    </message>
    <message>
        <source>New value</source>
        <translation>新值</translation>
    </message>
    <message>
        <source>No change</source>
        <translation>无变化</translation>
    </message>
</context>
<context>
    <name>ChannelActions</name>
    <message>
        <source>Cut Channels(&amp;T)</source>
        <translation>剪切信道(&amp;T)</translation>
    </message>
    <message>
        <source>Copy Channels(&amp;C)</source>
        <translation>复制信道(&amp;C)</translation>
    </message>
    <message>
        <source>Paste Channels(&amp;V)</source>
        <translation>粘贴信道(&amp;V)</translation>
    </message>
    <message>
        <source>Delete Channels(&amp;E)</source>
        <translation>删除信道(&amp;E)</translation>
    </message>
    <message>
        <source>Insert Free Channel(&amp;I)</source>
        <translation>插入空信道(&amp;I)</translation>
    </message>
    <message>
        <source>Delete and Move Up(&amp;L)</source>
        <translation>删除并上移(&amp;L)</translation>
    </message>
    <message>
        <source>Move Channels Up(&amp;U)</source>
        <translation>上移信道(&amp;U)</translation>
    </message>
    <message>
        <source>Move Channels Down(&amp;O)</source>
        <translation>下移信道(&amp;O)</translation>
    </message>
</context>
<context>
    <name>ChannelFilterBar</name>
    <message>
        <source>&amp;Find:</source>
        <translation>查找(&amp;F)：</translation>
    </message>
    <message>
        <source>Find channels</source>
        <translation>查找信道</translation>
    </message>
    <message>
        <source>Frequency, tone, name…</source>
        <translation>频率、亚音频、名称……</translation>
    </message>
    <message>
        <source>Shows only the channels that hold this text. Enter or F3: next; Esc: clear</source>
        <translation>只显示含有此文字的信道。回车或F3：下一个；Esc：清除</translation>
    </message>
    <message>
        <source>Close find (Esc)</source>
        <translation>关闭查找（Esc）</translation>
    </message>
    <message>
        <source>Close find</source>
        <translation>关闭查找</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>第 %1 个，共 %2 个</translation>
    </message>
    <message numerus="yes">
        <source>%n found</source>
        <comment>%n found</comment>
        <translation>
            <numerusform>找到 %n 个信道</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChannelImport</name>
    <message>
        <source>imported</source>
        <translation>已导入</translation>
    </message>
    <message>
        <source>adjusted</source>
        <translation>已调整后导入</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>拒绝</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>跳过</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source> into channel %1</source>
        <translation>，存入频道 %1</translation>
    </message>
    <message>
        <source>: </source>
        <translation>：</translation>
    </message>
    <message>
        <source>; </source>
        <translation>；</translation>
    </message>
</context>
<context>
    <name>ChannelLists</name>
    <message>
        <source>CH</source>
        <translation>频道</translation>
    </message>
    <message>
        <source>RXFreq</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>TXFreq</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>QT/DQT Dec</source>
        <translation>接收亚音频</translation>
    </message>
    <message>
        <source>QT/DQT Enc</source>
        <translation>发射亚音频</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>功率</translation>
    </message>
    <message>
        <source>Busy Lock</source>
        <translation>繁忙信道锁定</translation>
    </message>
    <message>
        <source>Add Scan</source>
        <translation>扫描添加</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>宽窄带</translation>
    </message>
    <message>
        <source>TX Prohibit</source>
        <translation>发射禁止</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>频道名称</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Carry</source>
        <translation>载波</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>scan</comment>
        <translation>禁止</translation>
    </message>
    <message>
        <source>On</source>
        <translation>使能</translation>
    </message>
    <message>
        <source>Narror</source>
        <translation>窄带</translation>
    </message>
    <message>
        <source>wide</source>
        <translation>宽带</translation>
    </message>
    <message>
        <source>On</source>
        <comment>switch</comment>
        <translation>开</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>宽带</translation>
    </message>
</context>
<context>
    <name>ChannelOperations</name>
    <message>
        <source>Cut channels</source>
        <translation>剪切信道</translation>
    </message>
    <message>
        <source>Paste channels</source>
        <translation>粘贴信道</translation>
    </message>
    <message>
        <source>Delete channels</source>
        <translation>删除信道</translation>
    </message>
    <message>
        <source>Insert free channel</source>
        <translation>插入空信道</translation>
    </message>
    <message>
        <source>Delete and move up</source>
        <translation>删除并上移</translation>
    </message>
    <message>
        <source>Move channels up</source>
        <translation>上移信道</translation>
    </message>
    <message>
        <source>Move channels down</source>
        <translation>下移信道</translation>
    </message>
    <message>
        <source>The clipboard holds no channels</source>
        <translation>剪贴板中没有信道</translation>
    </message>
    <message>
        <source>The channels do not fit below channel 128: nothing was pasted</source>
        <translation>粘贴的信道超出信道128，未粘贴任何信道</translation>
    </message>
    <message>
        <source>Beyond the scope of frequency band</source>
        <translation>超出频段范围</translation>
    </message>
    <message>
        <source>Channels not pasted: %1</source>
        <translation>未粘贴的信道：%1</translation>
    </message>
    <message>
        <source>Channel 128 is in use: no free channel can be inserted</source>
        <translation>信道128已被使用，不能插入空信道</translation>
    </message>
    <message>
        <source>Channels %1 to 128 are all in use: no free channel can be inserted</source>
        <translation>信道%1至128均已使用，不能插入空信道</translation>
    </message>
    <message>
        <source>The channels do not fit into the rows shown below: nothing was pasted</source>
        <translation>下面显示的行放不下粘贴的信道，未粘贴任何信道</translation>
    </message>
    <message>
        <source>No row shown from here on holds a free channel: clear the find box to insert one</source>
        <translation>从此往下显示的行中没有空信道，请清空查找框后再插入</translation>
    </message>
</context>
<context>
    <name>ChannelTableWindow</name>
    <message>
        <source>Channel Edit</source>
        <translation>信道编辑</translation>
    </message>
    <message>
        <source>Beyond the scope of frequency band</source>
        <translation>超出频段范围</translation>
    </message>
</context>
<context>
    <name>CheckedWrite</name>
    <message>
        <source>Reading before writing……</source>
        <translation>写频前读取……</translation>
    </message>
    <message>
        <source>Reading what the radio holds now to keep a backup, please wait a moment.</source>
        <translation>正在读取对讲机中现有的数据并备份，请稍候。</translation>
    </message>
    <message>
        <source>Verifying……</source>
        <translation>正在校验……</translation>
    </message>
    <message>
        <source>Reading back what was written to compare it byte for byte, please wait a moment.</source>
        <translation>正在读回写入的数据并逐字节比较，请稍候。</translation>
    </message>
    <message>
        <source>Restoring the backup……</source>
        <translation>正在恢复备份……</translation>
    </message>
    <message>
        <source>Writing the backup back to the radio, please wait a moment.</source>
        <translation>正在把备份写回对讲机，请稍候。</translation>
    </message>
    <message>
        <source>What the radio held before is kept in the backup:
%1

Write the backup back to the radio now?</source>
        <translation>写频前对讲机中的数据已备份为：
%1

现在把备份写回对讲机吗？</translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation>错误</translation>
    </message>
</context>
<context>
    <name>CliHelp</name>
    <message>
        <source>usage: %1</source>
        <translation>用法：%1</translation>
    </message>
    <message>
        <source>print a .dat file as the program would load it, as JSON (%1)</source>
        <translation>按程序打开时的结果，以 JSON 输出 .dat 文件（%1）</translation>
    </message>
    <message>
        <source>Starts from a freshly started program (English unless --lang zh or es), opens FILE.dat
as the Open command does and prints the resulting state as one JSON object: Band,
FreqText, OptionIndex, OptionText, ChannelName, Options, FmChannelText, FmVfo,
PresentChannel, FmDisplayMode, FmStepFrequency, PowerGrades. A name, display or password
byte b is the character U+00bb.</source>
        <translation>从刚启动的程序状态开始（除非指定 --lang zh 或 es，否则为英文），像“打开”命令那样
打开 FILE.dat，并把得到的状态输出为一个 JSON 对象：Band、FreqText、OptionIndex、
OptionText、ChannelName、Options、FmChannelText、FmVfo、PresentChannel、
FmDisplayMode、FmStepFrequency、PowerGrades。名称、显示或密码中的字节 b 对应字符
U+00bb。</translation>
    </message>
    <message>
        <source>exit status: %1 success, %2 usage error, %3 the file cannot be read, is no data file or is
too short</source>
        <translation>退出状态：%1 成功，%2 用法错误，%3 文件无法读取、不是数据文件或太短</translation>
    </message>
    <message>
        <source>list the differences between two data files by name (%1)</source>
        <translation>按名称列出两个数据文件之间的差异（%1）</translation>
    </message>
    <message>
        <source>Compares the two files as the program would load them and lists every difference from A
to B by name, one row per change in aligned columns under a title line: the channel (added,
removed or changed) or setting, the field, the old value → the new one; settings, FM and
power values too. Bytes that no window shows are compared too. --json prints one object:
same, differing_bytes, first_difference, changes [{area, change, channel, field, before,
after}].</source>
        <translation>按程序打开时的结果比较两个文件，并按名称列出从 A 到 B 的每一处差异：标题行下每个
更改一行，各列对齐，依次为信道（添加、删除或更改）或设置、字段、旧值 → 新值；设置、
收音机和功率值也在其中。没有窗口显示的字节也会比较。--json 输出一个对象：same、
differing_bytes、first_difference、changes [{area, change, channel, field, before,
after}]。</translation>
    </message>
    <message>
        <source>exit status: %1 the same, %2 different, %3 usage, %4 a file cannot be read or is no data file</source>
        <translation>退出状态：%1 相同，%2 不同，%3 用法错误，%4 某个文件无法读取或不是数据文件</translation>
    </message>
    <message>
        <source>write the used channels of a .dat file as a channel CSV file (%1)</source>
        <translation>把 .dat 文件中已用的信道写成信道 CSV 文件（%1）</translation>
    </message>
    <message>
        <source>Opens FILE.dat as the Open command does and writes its used channels, in channel order, to
OUT.csv in the generic channel CSV layout: the 21 columns Location, Name, Frequency, Duplex,
Offset, Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode, CrossMode, Mode,
TStep, Skip, Power, Comment, URCALL, RPT1CALL, RPT2CALL, DVCODE; UTF-8 without byte-order
mark, CRLF line ends, frequencies in MHz with six decimals, power in the nominal watts of
each level (Low 1.0W, Middle 2.5W, High 5.0W). A transmit frequency in the same range of
the band as the receive frequency is written as a +/- shift, any other as split; a channel
with transmit prohibited is written with Duplex off. OUT.csv is replaced only when the
whole file was written. What a row cannot carry (the transmit frequency of a channel with
transmit prohibited, a damaged frequency) is told on stderr, one line per channel, in the
language of --lang.</source>
        <translation>像“打开”命令那样打开 FILE.dat，按信道顺序把已用的信道以通用信道 CSV 格式写入
OUT.csv：21 列 Location, Name, Frequency, Duplex, Offset, Tone, rToneFreq,
cToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode, CrossMode, Mode, TStep, Skip, Power,
Comment, URCALL, RPT1CALL, RPT2CALL, DVCODE；UTF-8 不带字节顺序标记，行尾为 CRLF，
频率以 MHz 为单位保留六位小数，功率为各档的标称瓦数（Low 1.0W、Middle 2.5W、
High 5.0W）。与接收频率在频段同一范围内的发射频率写为 +/- 频差，其他写为 split；
禁止发射的信道写为 Duplex off。只有整个文件写完后才会替换 OUT.csv。一行无法表达的
内容（禁止发射信道的发射频率、损坏的频率）在 stderr 上按 --lang 的语言说明，每个
信道一行。</translation>
    </message>
    <message>
        <source>exit status: %1 success, %2 usage error, %3 FILE.dat cannot be read, is no data file or is
too short, or OUT.csv cannot be written</source>
        <translation>退出状态：%1 成功，%2 用法错误，%3 FILE.dat 无法读取、不是数据文件或太短，或者
OUT.csv 无法写入</translation>
    </message>
    <message>
        <source>program one data file into the radios on several ports at once (%1)</source>
        <translation>把一个数据文件同时写入多个端口上的对讲机（%1）</translation>
    </message>
    <message>
        <source>Opens TEMPLATE.dat and programs it into the radio on every port at once, each port on
its own: the radio&apos;s identification is checked first (a radio of another model is never
written), what it holds is kept as a backup, the data is written without the power
calibration (each radio keeps its own, whatever the hidden modes say), read back and
compared. One line per radio on stdout; a beep on stderr.</source>
        <translation>打开 TEMPLATE.dat，同时写入每个端口上的对讲机，各端口互不影响：先检查对讲机的标识
（绝不写入其他型号的对讲机），把其中原有的数据保存为备份，写入数据时不含功率校准
（每台对讲机保留自己的校准，不论隐藏模式如何），再读回比较。每台对讲机在 stdout
上输出一行；在 stderr 上响一声。</translation>
    </message>
    <message>
        <source>port numbers %1..%2, or the names of their sockets under
/dev/serial/by-path (which stay the same whatever the plug order)</source>
        <translation>端口号 %1..%2，或其在 /dev/serial/by-path 下的插口名称
（不论插入顺序如何都保持不变）</translation>
    </message>
    <message>
        <source>every port waits for a radio, programs it, waits until it is taken
off and then waits for the next; stop with Ctrl+C</source>
        <translation>每个端口等待对讲机接入，写入后等待取下，再等待下一台；
按 Ctrl+C 停止</translation>
    </message>
    <message>
        <source>per-radio values: a heading of setting names (DisplayCharacter,
PowerOnPasswordDigits, PowerOnPassword, ... as in diff --json), then
one row per radio; each radio takes the next unused row, a radio
that fails gives its row back</source>
        <translation>每台对讲机各自的数值：标题行为设置名称（DisplayCharacter、
PowerOnPasswordDigits、PowerOnPassword……与 diff --json
中相同），之后每台对讲机一行；每台对讲机取下一个未用的行，
失败的对讲机会交回它的行</translation>
    </message>
    <message>
        <source>the report, one row per radio, as CSV or JSON by the suffix; a copy
is always kept in the data folder (talvo/reports)</source>
        <translation>报告，每台对讲机一行，按后缀写成 CSV 或 JSON；数据文件夹
（talvo/reports）中总会保留一份副本</translation>
    </message>
    <message>
        <source>Ctrl+C stops every port cleanly; a radio being programmed then ends as cancelled.</source>
        <translation>Ctrl+C 会干净地停止所有端口；正在写入的对讲机此时以“已取消”结束。</translation>
    </message>
    <message>
        <source>exit status: %1 every radio verified, %2 some were not, %3 usage, %4 the template cannot
be read</source>
        <translation>退出状态：%1 每台对讲机都已校验，%2 部分未通过，%3 用法错误，%4 模板无法读取</translation>
    </message>
    <message>
        <source>read a channel CSV file into a .dat file (%1)</source>
        <translation>把信道 CSV 文件读入 .dat 文件（%1）</translation>
    </message>
    <message>
        <source>Reads the channel CSV file IN.csv (the generic layout: UTF-8 with or without byte-order
mark, CRLF or LF, &apos;#&apos; comment lines, 17 or 21 columns, &apos;;&apos;-separated files with decimal
commas) and saves OUT.dat with its rows as channels. Without --into the channels go into
a freshly started program (band A:136-174.995MHz B:400-470.995MHz); with --into they go
into the configuration of BASE.dat, whose band and other settings are kept.</source>
        <translation>读取信道 CSV 文件 IN.csv（通用格式：UTF-8，可带或不带字节顺序标记，CRLF 或 LF，
以“#”开头的注释行，17 或 21 列，也可以是以“;”分隔、以逗号作小数点的文件），
并把其中的行作为信道保存到 OUT.dat。不带 --into 时，信道放入刚启动的程序（频段
A:136-174.995MHz B:400-470.995MHz）；带 --into 时放入 BASE.dat 的配置，保留其
频段和其他设置。</translation>
    </message>
    <message>
        <source>Placement: by default row Location n becomes channel n. A row going into a channel in
use changes only what it says: busy lock (which the layout lacks), columns the file does
not have, an empty Mode or Power, and values given as the channel holds them keep the
channel&apos;s own (a transmit frequency kept under Duplex off, a receive-only channel, a
frequency off the raster), so a file exported from BASE.dat and imported back --into it
gives the same channels. With --append-from N the rows fill, in file order, the channels
that are free from channel N on, and Location is not used.</source>
        <translation>放置：默认情况下 Location 为 n 的行成为信道 n。放入已用信道的行只更改它给出的内容：
繁忙锁定（该格式没有此项）、文件中没有的列、空的 Mode 或 Power，以及与信道现有值
相同的值，都保留信道自己的设置（Duplex off 下保留的发射频率、只收信道、不在步进上
的频率），因此从 BASE.dat 导出、再用 --into 导回其中的文件会得到相同的信道。使用
--append-from N 时，各行按文件顺序填入从信道 N 起的空闲信道，不使用 Location。</translation>
    </message>
    <message>
        <source>Each row is imported as it is, adjusted (frequency moved onto the 5 kHz / 6.25 kHz
raster, name kept to the 8 characters the radio stores, characters it cannot store left
out, power taken as the nearest of Low 1.0W, Middle 2.5W, High 5.0W, priority scan P
taken as scanned), skipped (no frequency) or refused with its reason: a frequency
outside both ranges of the band (the band that would take it is named), a mode other than
FM or NFM, reverse squelch (TSQL-R, DTCS-R), a CTCSS tone or DCS code the radio cannot
send, a Location outside 1..128 or given twice, no free channel left, an invalid cell, a
row shorter than the header. A new channel gets busy lock Off (the new-channel default).
stderr has one line for each row that was not imported as it is, and for unknown
columns; stdout has the counts.</source>
        <translation>每一行或按原样导入，或调整后导入（频率移到 5 kHz / 6.25 kHz 步进上，名称保留对讲机
能存的 8 个字符，去掉它不能存的字符，功率取 Low 1.0W、Middle 2.5W、High 5.0W 中
最接近的一档，优先扫描 P 按扫描添加），或跳过（没有频率），或连同原因一起拒绝：
频率不在频段的两个范围内（会指出能接收它的频段）、模式不是 FM 或 NFM、反向静噪
（TSQL-R、DTCS-R）、对讲机不能发送的 CTCSS 亚音频或 DCS 数字亚音频、Location 不在
1..128 内或重复、没有空闲信道、无效的单元格、行比标题短。新信道的繁忙锁定为 Off
（新信道的默认值）。stderr 上对每个未按原样导入的行和每个未知的列各输出一行；
stdout 上输出计数。</translation>
    </message>
    <message>
        <source>exit status: %1 every row imported (adjusted rows count as imported, rows without a
frequency are skipped), %2 some rows refused and the rest written, %3 usage error, %4 the CSV
file cannot be read or no row could be imported (OUT.dat is not written), BASE.dat cannot
be read, or OUT.dat cannot be written</source>
        <translation>退出状态：%1 所有行均已导入（调整过的行算作已导入，没有频率的行被跳过），%2 部分行
被拒绝、其余已写入，%3 用法错误，%4 CSV 文件无法读取或没有可导入的行（不写入
OUT.dat）、BASE.dat 无法读取，或 OUT.dat 无法写入</translation>
    </message>
    <message>
        <source>save the configuration of a freshly started program (%1)</source>
        <translation>保存刚启动的程序的配置（%1）</translation>
    </message>
    <message>
        <source>Saves the configuration of a freshly started program to OUT.dat as the Save command does:
no channels, the optional features at their defaults, no FM channels, the power levels at
their start values. --lang only chooses the language of error messages.</source>
        <translation>像“保存”命令那样把刚启动的程序的配置保存到 OUT.dat：没有信道，可选功能为默认值，
没有收音机频道，功率档为初始值。--lang 只选择错误信息的语言。</translation>
    </message>
    <message>
        <source>exit status: %1 success, %2 usage error, %3 the file cannot be written</source>
        <translation>退出状态：%1 成功，%2 用法错误，%3 文件无法写入</translation>
    </message>
    <message>
        <source>list port numbers 1..16, the device each reaches and whether it can be opened now (%1)</source>
        <translation>列出端口号 1..16、各自对应的设备，以及现在能否打开（%1）</translation>
    </message>
    <message>
        <source>Lists the port numbers 1..16 as --port takes them: the device each number reaches now
(TALVO_PORT_&lt;N&gt; first, then the serial devices present; see docs/serial-ports.md), what
the device is (USB serial with its chip, built-in port, pseudo-terminal) and whether it
can be opened now (yes, or why not: no permission, in use by a program, no hardware).</source>
        <translation>列出 --port 接受的端口号 1..16：每个端口号现在对应的设备（先看 TALVO_PORT_&lt;N&gt;，
再看现有的串口设备；参见 docs/serial-ports.md）、设备是什么（带芯片型号的 USB 串口、
内置串口、伪终端），以及现在能否打开（能，或者为什么不能：没有权限、被某个程序
占用、没有硬件）。</translation>
    </message>
    <message>
        <source>the language of the table: %1, %2 or %3</source>
        <translation>表格的语言：%1、%2 或 %3</translation>
    </message>
    <message>
        <source>exit status: %1 success, %2 usage error</source>
        <translation>退出状态：%1 成功，%2 用法错误</translation>
    </message>
    <message>
        <source>write the programming data printout of a .dat file as PDF (%1)</source>
        <translation>把 .dat 文件的写频数据打印稿写成 PDF（%1）</translation>
    </message>
    <message>
        <source>Starts from a freshly started program (English unless --lang zh or es), opens FILE.dat
as the Open command does and writes the printout of the programming data (function
settings, A group VFO, VOX, power grades and the channel table, in the chosen language)
to OUT.pdf on A4 pages. OUT.pdf is replaced only when the whole document was written.</source>
        <translation>从刚启动的程序状态开始（除非指定 --lang zh 或 es，否则为英文），像“打开”命令那样
打开 FILE.dat，把写频数据的打印稿（功能设置、A 组 VFO、VOX、功率档和信道表，使用
所选语言）以 A4 页面写入 OUT.pdf。只有整个文档写完后才会替换 OUT.pdf。</translation>
    </message>
    <message>
        <source>exit status: %1 success, %2 usage error, %3 FILE.dat cannot be read, is no data file or is
too short, or OUT.pdf cannot be written</source>
        <translation>退出状态：%1 成功，%2 用法错误，%3 FILE.dat 无法读取、不是数据文件或太短，或者
OUT.pdf 无法写入</translation>
    </message>
    <message>
        <source>read the radio&apos;s memory into a data file (%1)</source>
        <translation>把对讲机的存储器读入数据文件（%1）</translation>
    </message>
    <message>
        <source>Reads the radio&apos;s memory over the serial line and stores it as a .dat file.</source>
        <translation>通过串行线路读取对讲机的存储器，并保存为 .dat 文件。</translation>
    </message>
    <message>
        <source>the data file; it is written only when the whole read succeeded</source>
        <translation>数据文件；只有整个读频成功后才会写入</translation>
    </message>
    <message>
        <source>A copy is also kept in the backups folder ($XDG_DATA_HOME/talvo/backups).</source>
        <translation>备份文件夹（$XDG_DATA_HOME/talvo/backups）中也会保留一份副本。</translation>
    </message>
    <message>
        <source>A progress bar is shown on stderr when it is a terminal.</source>
        <translation>stderr 是终端时，会在其上显示进度条。</translation>
    </message>
    <message>
        <source>exit status: %1 read and saved, %2 usage, %3 file cannot be written, %4 communication error, %5 stopped by Ctrl+C (nothing is saved)</source>
        <translation>退出状态：%1 已读取并保存，%2 用法错误，%3 文件无法写入，%4 通信错误，%5 被 Ctrl+C
停止（不保存任何内容）</translation>
    </message>
    <message>
        <source>open a .dat file and save it again as the program would (%1)</source>
        <translation>像程序那样打开 .dat 文件并重新保存（%1）</translation>
    </message>
    <message>
        <source>Starts from a freshly started program, opens IN.dat as the Open command does and saves
OUT.dat as the Save command does (exactly 3,120 bytes, replaced atomically).</source>
        <translation>从刚启动的程序状态开始，像“打开”命令那样打开 IN.dat，再像“保存”命令那样保存
OUT.dat（正好 3,120 字节，以原子方式替换）。</translation>
    </message>
    <message>
        <source>exit status: %1 success, %2 usage error, %3 a file cannot be read or written, is no data
file or is too short</source>
        <translation>退出状态：%1 成功，%2 用法错误，%3 某个文件无法读取或写入、不是数据文件或太短</translation>
    </message>
    <message>
        <source>write a backup back to the radio byte for byte and verify it (%1)</source>
        <translation>把备份逐字节写回对讲机并校验（%1）</translation>
    </message>
    <message>
        <source>Writes the bytes of a data file to the radio exactly as they are in the file (a
backup taken by a read goes back unchanged; `write` instead opens the file and builds
the image as the program does), then reads the radio back and compares every written
byte.</source>
        <translation>把数据文件的字节原样写入对讲机（读频时保存的备份原样写回；`write` 则是打开文件，
像程序那样生成映像），然后读回对讲机，比较写入的每个字节。</translation>
    </message>
    <message>
        <source>also write the power calibration blocks %1 and %2</source>
        <translation>同时写入功率校准块 %1 和 %2</translation>
    </message>
    <message>
        <source>exit status: %1 restored and verified, %2 usage, %3 file cannot be opened, %4 communication
error or the radio does not hold what was written (the first differing address is
named), %5 stopped by Ctrl+C</source>
        <translation>退出状态：%1 已恢复并校验，%2 用法错误，%3 文件无法打开，%4 通信错误或对讲机中的数据
与写入的不一致（会指出第一个不同的地址），%5 被 Ctrl+C 停止</translation>
    </message>
    <message>
        <source>compare the radio with a data file (%1)</source>
        <translation>比较对讲机与数据文件（%1）</translation>
    </message>
    <message>
        <source>Reads the radio and compares it, byte for byte over the blocks a write stores, with
the bytes of FILE.dat and with what a write of FILE.dat would send. When it holds
either, says which on stdout; otherwise prints the differences by name (radio →
file) on stdout and the first differing address on stderr.</source>
        <translation>读取对讲机，在写频所存的各块上逐字节与 FILE.dat 的字节以及写入 FILE.dat 时会发送的
数据比较。若与其中之一相同，在 stdout 上说明是哪一个；否则在 stdout 上按名称列出
差异（对讲机 → 文件），并在 stderr 上给出第一个不同的地址。</translation>
    </message>
    <message>
        <source>also compare the power calibration blocks %1 and %2</source>
        <translation>同时比较功率校准块 %1 和 %2</translation>
    </message>
    <message>
        <source>The read is also kept in the backups folder ($XDG_DATA_HOME/talvo/backups).</source>
        <translation>读到的数据也会保存在备份文件夹（$XDG_DATA_HOME/talvo/backups）中。</translation>
    </message>
    <message>
        <source>exit status: %1 the radio holds the file, %2 it differs, %3 usage, %4 file cannot be
opened, %5 communication error, %6 stopped by Ctrl+C</source>
        <translation>退出状态：%1 对讲机中的数据与文件相同，%2 不同，%3 用法错误，%4 文件无法打开，
%5 通信错误，%6 被 Ctrl+C 停止</translation>
    </message>
    <message>
        <source>write a data file to the radio (%1)</source>
        <translation>把数据文件写入对讲机（%1）</translation>
    </message>
    <message>
        <source>Opens FILE.dat as the program&apos;s Open command does and writes it to the radio.</source>
        <translation>像程序的“打开”命令那样打开 FILE.dat，并写入对讲机。</translation>
    </message>
    <message>
        <source>afterwards read the radio back and compare every written byte</source>
        <translation>写入后读回对讲机，比较写入的每个字节</translation>
    </message>
    <message>
        <source>first read the radio and save what it holds to FILE (nothing is
written when that fails); a copy also goes to the backups folder</source>
        <translation>先读取对讲机，把其中的数据保存到 FILE（保存失败时不写入
任何内容）；备份文件夹中也会保留一份副本</translation>
    </message>
    <message>
        <source>exit status: %1 written (and verified), %2 usage, %3 file cannot be opened or the backup
cannot be saved, %4 communication error or the radio does not hold what was written
(the first differing address is named), %5 stopped by Ctrl+C</source>
        <translation>退出状态：%1 已写入（并已校验），%2 用法错误，%3 文件无法打开或备份无法保存，
%4 通信错误或对讲机中的数据与写入的不一致（会指出第一个不同的地址），%5 被 Ctrl+C
停止</translation>
    </message>
    <message>
        <source>programming data of the TALVO dual-band radio, without the window</source>
        <translation>TALVO 双段对讲机的写频数据，无需窗口</translation>
    </message>
    <message>
        <source>commands:</source>
        <translation>命令：</translation>
    </message>
    <message>
        <source>languages (%1): %2</source>
        <translation>语言（%1）：%2</translation>
    </message>
    <message>
        <source>exit status: %1 success, %2 usage error, %3 file error, %4 communication error</source>
        <translation>退出状态：%1 成功，%2 用法错误，%3 文件错误，%4 通信错误</translation>
    </message>
    <message>
        <source>port number %1..%2 (see docs/serial-ports.md; TALVO_PORT_&lt;N&gt;=/dev/...
chooses the device of a number)</source>
        <translation>端口号 %1..%2（参见 docs/serial-ports.md；
TALVO_PORT_&lt;N&gt;=/dev/... 选择某个端口号对应的设备）</translation>
    </message>
    <message>
        <source>the serial device itself</source>
        <translation>串口设备本身</translation>
    </message>
    <message>
        <source>the language of the messages: %1, %2 or %3</source>
        <translation>消息的语言：%1、%2 或 %3</translation>
    </message>
</context>
<context>
    <name>CliUsage</name>
    <message>
        <source>the output cannot be written</source>
        <translation>无法写出输出</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>缺少 %1</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; names no port %3..%4</source>
        <translation>%1：“%2”不是 %3..%4 中的端口</translation>
    </message>
    <message>
        <source>%1: port %2 twice</source>
        <translation>%1：端口 %2 出现了两次</translation>
    </message>
    <message>
        <source>%1 needs a file ending in %2 or %3</source>
        <translation>%1 需要以 %2 或 %3 结尾的文件</translation>
    </message>
    <message>
        <source>%1: cannot write %2</source>
        <translation>%1：无法写入 %2</translation>
    </message>
    <message>
        <source>%1 has %2 rows for %3 ports</source>
        <translation>%1 只有 %2 行，却有 %3 个端口</translation>
    </message>
    <message>
        <source>%1 needs a channel number %2..%3</source>
        <translation>%1 需要 %2..%3 的信道号</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 需要文件名</translation>
    </message>
    <message>
        <source>%1 is required</source>
        <translation>必须给出 %1</translation>
    </message>
    <message>
        <source>drawing the printout needs a GUI application</source>
        <translation>绘制打印稿需要图形界面应用程序</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>the last of a list</comment>
        <translation>%1 或 %2</translation>
    </message>
    <message>
        <source>%1 (see %2)</source>
        <translation>%1（参见 %2）</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>未知选项“%1”</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 需要一个值</translation>
    </message>
    <message>
        <source>unknown language &apos;%1&apos;: use %2</source>
        <translation>未知语言“%1”：请使用 %2</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 给出了两次</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>多余的参数“%1”</translation>
    </message>
    <message>
        <source>expected %1 file name, got %2</source>
        <translation>需要 %1 个文件名，实际为 %2 个</translation>
    </message>
    <message>
        <source>expected %1 file names, got %2</source>
        <translation>需要 %1 个文件名，实际为 %2 个</translation>
    </message>
    <message>
        <source>a file name is empty</source>
        <translation>有一个文件名为空</translation>
    </message>
    <message>
        <source>no command given (see %1)</source>
        <translation>没有给出命令（参见 %1）</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (see %2)</source>
        <translation>未知命令“%1”（参见 %2）</translation>
    </message>
    <message>
        <source>give either %1 or %2</source>
        <translation>请给出 %1 或 %2 之一</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>%1 只接受 %2 到 %3 的数字</translation>
    </message>
</context>
<context>
    <name>CmdDiff</name>
    <message>
        <source>Bytes outside the named values differ: first at %1, %2 in all</source>
        <translation>未显示的字节不同：第一个在地址 %1，共 %2 个字节</translation>
    </message>
</context>
<context>
    <name>CmdFleet</name>
    <message>
        <source>port </source>
        <translation>端口 </translation>
    </message>
    <message>
        <source>; row %1</source>
        <translation>；第 %1 行</translation>
    </message>
    <message>
        <source>; first difference at </source>
        <translation>；第一个不同之处在 </translation>
    </message>
    <message>
        <source>, </source>
        <translation>，共 </translation>
    </message>
    <message>
        <source> byte</source>
        <translation> 个字节</translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> 个字节</translation>
    </message>
    <message>
        <source>; backup: </source>
        <translation>；备份：</translation>
    </message>
    <message>
        <source>report kept in</source>
        <translation>报告已保存：</translation>
    </message>
</context>
<context>
    <name>CmdImportCsv</name>
    <message>
        <source>; </source>
        <translation>；</translation>
    </message>
    <message>
        <source>no row could be imported; nothing was written</source>
        <translation>没有可导入的行，未写入文件</translation>
    </message>
    <message>
        <source>; %1 more unknown columns</source>
        <translation>；另有 %1 个不认识的列</translation>
    </message>
    <message>
        <source>%1 (%2), %3, %4</source>
        <translation>%1（%2），%3，%4</translation>
    </message>
    <message numerus="yes">
        <source>%n rows imported</source>
        <comment>%n row imported</comment>
        <translation>
            <numerusform>已导入 %n 行</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n adjusted</source>
        <comment>%n adjusted</comment>
        <translation>
            <numerusform>其中 %n 行有调整</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n refused</source>
        <comment>%n refused</comment>
        <translation>
            <numerusform>拒绝 %n 行</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <comment>%n skipped</comment>
        <translation>
            <numerusform>跳过 %n 行</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n left their channel as it was</source>
        <comment>; %n left its channel as it was</comment>
        <translation>
            <numerusform>；%n 行与其频道现有内容相同</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ColumnValueDialog</name>
    <message>
        <source>Set %1 of Chosen Channels</source>
        <translation>设置所选信道的%1</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1：</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n channels becomes:</source>
        <comment>%1 of %n channel becomes:</comment>
        <translation>
            <numerusform>%n 个信道的“%1”将设为：</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CsvImportDialog</name>
    <message>
        <source>Import Channels (CSV)</source>
        <translation>导入频道（CSV）</translation>
    </message>
    <message>
        <source>Placement</source>
        <translation>放置方式</translation>
    </message>
    <message>
        <source>By Location: row n becomes channel n</source>
        <translation>按 Location 列放入同号频道</translation>
    </message>
    <message>
        <source>In file order into the free channels from channel:</source>
        <translation>按文件顺序放入空闲频道，起始频道：</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>频道</translation>
    </message>
    <message>
        <source>RX MHz</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Replaces</source>
        <translation>将覆盖</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>imported</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>adjusted</source>
        <translation>调整后导入</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>拒绝</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>跳过</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>不变</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between two notes of a row</comment>
        <translation>；</translation>
    </message>
    <message>
        <source>%1: %2, %3 (%4), %5, %6; %7</source>
        <translation>%1：%2，%3（%4），%5，%6；%7</translation>
    </message>
    <message numerus="yes">
        <source>%n rows</source>
        <comment>%n row</comment>
        <translation>
            <numerusform>%n 行</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n imported</source>
        <comment>%n imported</comment>
        <translation>
            <numerusform>导入 %n 行</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them adjusted</source>
        <comment>%n of them adjusted</comment>
        <translation>
            <numerusform>其中调整 %n 行</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n refused</source>
        <comment>%n refused</comment>
        <translation>
            <numerusform>拒绝 %n 行</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <comment>%n skipped</comment>
        <translation>
            <numerusform>跳过 %n 行</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n programmed channels will be replaced.</source>
        <comment>%n programmed channel will be replaced.</comment>
        <translation>
            <numerusform>将覆盖 %n 个已有频道。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows give their channel what it already holds and leave it unchanged.</source>
        <comment>%n row gives its channel what it already holds and leaves it unchanged.</comment>
        <translation>
            <numerusform>其中 %n 行与其频道现有内容相同，不改变该频道。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DebugTexts</name>
    <message>
        <source>Debugging</source>
        <translation>调试</translation>
    </message>
    <message>
        <source>A Power Grades</source>
        <translation>A组功率等级</translation>
    </message>
    <message>
        <source>B Power Grades</source>
        <translation>B组功率等级</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
</context>
<context>
    <name>DemoRadio</name>
    <message>
        <source>%1 was not found</source>
        <translation>找不到 %1</translation>
    </message>
    <message>
        <source>%1 did not name its device</source>
        <translation>%1 没有给出它的设备</translation>
    </message>
</context>
<context>
    <name>DtmfTexts</name>
    <message>
        <source>Auto-dialing Memory</source>
        <translation>自动拔号存储器</translation>
    </message>
    <message>
        <source>Other Features</source>
        <translation>其它功能</translation>
    </message>
    <message>
        <source>First Autodial Memory</source>
        <translation>第一组自动拔号存储器</translation>
    </message>
    <message>
        <source>Second Autodial Memory</source>
        <translation>第二组自动拔号存储器</translation>
    </message>
    <message>
        <source>Third Autodial Memory</source>
        <translation>第三组自动拔号存储器</translation>
    </message>
    <message>
        <source>Fourth Autodial Memory</source>
        <translation>第四组自动拔号存储器</translation>
    </message>
    <message>
        <source>Fifth Autodial Memory</source>
        <translation>第五组自动拔号存储器</translation>
    </message>
    <message>
        <source>Sixth Autodial Memory</source>
        <translation>第六组自动拔号存储器</translation>
    </message>
    <message>
        <source>Seventh Autodial Memory</source>
        <translation>第七组自动拔号存储器</translation>
    </message>
    <message>
        <source>Eight Autodial Memory</source>
        <translation>第八组自动拔号存储器</translation>
    </message>
    <message>
        <source>Start Send</source>
        <translation>发射开始</translation>
    </message>
    <message>
        <source>End Send</source>
        <translation>发射结束</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>两者</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>快</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>慢</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>DTMF(双音多频)</source>
        <translation>DTMF(双音多频)</translation>
    </message>
    <message>
        <source>ANI：</source>
        <translation>ANI：</translation>
    </message>
    <message>
        <source>ANI Start Code：</source>
        <translation>ANI开始码：</translation>
    </message>
    <message>
        <source>ANI End Code：</source>
        <translation>ANI结束码：</translation>
    </message>
    <message>
        <source>Own Code：</source>
        <translation>自身码：</translation>
    </message>
    <message>
        <source>DTMF Rate：</source>
        <translation>DTMF速率：</translation>
    </message>
    <message>
        <source>First Digital Delay：</source>
        <translation>首位数码延迟：</translation>
    </message>
    <message>
        <source>Group Call Code：</source>
        <translation>群呼码：</translation>
    </message>
    <message>
        <source>%1MS</source>
        <translation>%1毫秒</translation>
    </message>
</context>
<context>
    <name>EditLabels</name>
    <message>
        <source>Optional features</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <source>RX frequency</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>TX frequency</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>RX tone</source>
        <translation>接收亚音</translation>
    </message>
    <message>
        <source>TX tone</source>
        <translation>发射亚音</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>功率</translation>
    </message>
    <message>
        <source>Busy lock</source>
        <translation>繁忙锁定</translation>
    </message>
    <message>
        <source>Add scan</source>
        <translation>扫描添加</translation>
    </message>
    <message>
        <source>Wide/narrow</source>
        <translation>宽窄带</translation>
    </message>
    <message>
        <source>TX prohibit</source>
        <translation>禁止发射</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Read from radio</source>
        <translation>从电台读频</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Restore unsaved changes</source>
        <translation>恢复未保存的更改</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>信道 %1</translation>
    </message>
    <message>
        <source>Channels %1</source>
        <translation>信道 %1</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>打开 %1</translation>
    </message>
    <message>
        <source>Band: %1</source>
        <translation>频段: %1</translation>
    </message>
</context>
<context>
    <name>ExchangeNotes</name>
    <message>
        <source>Location &quot;{0}&quot; is not a whole number</source>
        <translation>Location“{0}”不是整数</translation>
    </message>
    <message>
        <source>Location {0} is outside 1..128</source>
        <translation>Location {0} 超出 1..128</translation>
    </message>
    <message>
        <source>channel {0} was already given by line {1}</source>
        <translation>频道 {0} 已由第 {1} 行给出</translation>
    </message>
    <message>
        <source>invalid {0} &quot;{1}&quot;</source>
        <translation>{0} 的值“{1}”无效</translation>
    </message>
    <message>
        <source>the row has {0} cells, the header {1}</source>
        <translation>该行只有 {0} 个单元格，表头有 {1} 个</translation>
    </message>
    <message>
        <source>the row has {0} cells, the header only {1}</source>
        <translation>该行有 {0} 个单元格，表头只有 {1} 个</translation>
    </message>
    <message>
        <source>receive frequency {0} MHz is outside both ranges of the current band ({1})</source>
        <translation>接收频率 {0} MHz 超出当前频段（{1}）的两个范围</translation>
    </message>
    <message>
        <source>transmit frequency {0} MHz is outside both ranges of the current band ({1})</source>
        <translation>发射频率 {0} MHz 超出当前频段（{1}）的两个范围</translation>
    </message>
    <message>
        <source>the radio has no {0} mode</source>
        <translation>本机没有 {0} 模式</translation>
    </message>
    <message>
        <source>the radio has no reverse squelch ({0})</source>
        <translation>本机没有反向静噪（{0}）</translation>
    </message>
    <message>
        <source>the radio cannot send CTCSS tone {0}</source>
        <translation>本机不能发送亚音频 {0}</translation>
    </message>
    <message>
        <source>the radio cannot send DCS code {0}</source>
        <translation>本机不能发送数字亚音频 {0}</translation>
    </message>
    <message>
        <source>no free channel left from channel {0}</source>
        <translation>从频道 {0} 起已没有空闲频道</translation>
    </message>
    <message>
        <source>no channel left after channel 128 (placing from {0})</source>
        <translation>频道 {0} 之后已没有频道</translation>
    </message>
    <message>
        <source>receive frequency {0} MHz stored as {1} (channel raster)</source>
        <translation>接收频率 {0} MHz 按频道步进存为 {1}</translation>
    </message>
    <message>
        <source>transmit frequency {0} MHz stored as {1} (channel raster)</source>
        <translation>发射频率 {0} MHz 按频道步进存为 {1}</translation>
    </message>
    <message>
        <source>name &quot;{0}&quot; stored as &quot;{1}&quot; (the radio keeps at most 8 characters)</source>
        <translation>名称“{0}”存为“{1}”（本机的名称最多 8 个字符）</translation>
    </message>
    <message>
        <source>name &quot;{0}&quot; stored as &quot;{1}&quot; (characters the radio cannot store left out, at most 8 kept)</source>
        <translation>名称“{0}”存为“{1}”（去掉本机无法存储的字符，最多 8 个字符）</translation>
    </message>
    <message>
        <source>the radio has no priority scan (P): imported as scanned</source>
        <translation>本机没有优先扫描（P）：按扫描添加导入</translation>
    </message>
    <message>
        <source>power {0} taken as the nearest level, {1} ({2})</source>
        <translation>功率 {0} 取最接近的“{1}”（{2}）</translation>
    </message>
    <message>
        <source>RxDtcsCode {0} differs from DtcsCode {1}: {1} used both ways</source>
        <translation>RxDtcsCode {0} 与 DtcsCode {1} 不同：收发都用 {1}</translation>
    </message>
    <message>
        <source>no frequency: not a channel, skipped</source>
        <translation>没有频率：不是频道，跳过</translation>
    </message>
    <message>
        <source>unknown column &quot;{0}&quot; ignored</source>
        <translation>不认识的列“{0}”已忽略</translation>
    </message>
    <message>
        <source>column &quot;{0}&quot; given twice: the first one is used</source>
        <translation>列“{0}”重复，只用第一个</translation>
    </message>
    <message>
        <source>the header has no {0} column</source>
        <translation>表头没有 {0} 列</translation>
    </message>
    <message>
        <source>the file has no header row</source>
        <translation>文件没有表头行</translation>
    </message>
    <message>
        <source>the file is larger than {0} MiB: no channel list</source>
        <translation>文件大于 {0} MiB，不是频道表</translation>
    </message>
    <message>
        <source>the file has no channel rows</source>
        <translation>文件没有频道行</translation>
    </message>
    <message>
        <source>channel {0} not exported: its frequency is no number</source>
        <translation>频道 {0} 未导出：其频率不是数字</translation>
    </message>
    <message>
        <source>channel {0} has transmit prohibited: its transmit frequency {1} MHz is not written (Duplex off)</source>
        <translation>频道 {0} 禁止发射：其发射频率 {1} MHz 无法写入（Duplex 为 off）</translation>
    </message>
    <message>
        <source>channel {0} has no transmit frequency: Duplex written as off</source>
        <translation>频道 {0} 没有发射频率：Duplex 写为 off</translation>
    </message>
    <message>
        <source>channel {0} has a power value without watts: Power left empty</source>
        <translation>频道 {0} 的功率值没有对应的瓦数：Power 留空</translation>
    </message>
    <message>
        <source>; no band of this radio takes it</source>
        <translation>；本机没有频段能接收</translation>
    </message>
    <message>
        <source>; band %1 would take it</source>
        <translation>；频段 %1 可接收</translation>
    </message>
</context>
<context>
    <name>FillSeriesDialog</name>
    <message>
        <source>Choose what to fill</source>
        <translation>请选择要填充的内容</translation>
    </message>
    <message>
        <source>The start frequency is no number</source>
        <translation>起始频率不是数字</translation>
    </message>
    <message>
        <source>The step is no number (kHz)</source>
        <translation>步进不是数字（千赫）</translation>
    </message>
    <message>
        <source>The offset is no number (MHz)</source>
        <translation>频差不是数字（兆赫）</translation>
    </message>
    <message>
        <source>The name pattern may hold only name characters and {n} or {n:02}</source>
        <translation>名称格式只能含名称允许的字符和 {n} 或 {n:02}</translation>
    </message>
    <message>
        <source>&amp;Receive frequencies</source>
        <translation>接收频率(&amp;R)</translation>
    </message>
    <message>
        <source>Start frequency (MHz)</source>
        <translation>起始频率（兆赫）</translation>
    </message>
    <message>
        <source>Step (kHz)</source>
        <translation>步进（千赫）</translation>
    </message>
    <message>
        <source>MHz, step</source>
        <translation>兆赫，步进</translation>
    </message>
    <message>
        <source>kHz</source>
        <translation>千赫</translation>
    </message>
    <message>
        <source>Transmit frequency</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>Leave as it is</source>
        <translation>不变</translation>
    </message>
    <message>
        <source>Same as receive</source>
        <translation>与接收频率相同</translation>
    </message>
    <message>
        <source>Receive plus offset</source>
        <translation>接收频率加频差</translation>
    </message>
    <message>
        <source>Offset (MHz)</source>
        <translation>频差（兆赫）</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>兆赫</translation>
    </message>
    <message>
        <source>&amp;Transmit:</source>
        <translation>发射频率(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Names</source>
        <translation>名称(&amp;N)</translation>
    </message>
    <message>
        <source>Name pattern</source>
        <translation>名称格式</translation>
    </message>
    <message>
        <source>{n} is the number, {n:02} the number with two digits (e.g. PMR{n:02})</source>
        <translation>{n} 为编号，{n:02} 为两位编号（如 PMR{n:02}）</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>起始编号</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>起始编号</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>填充</translation>
    </message>
    <message>
        <source>Stays: </source>
        <translation>不变：</translation>
    </message>
    <message>
        <source>New channel</source>
        <translation>新信道</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>填充</translation>
    </message>
    <message numerus="yes">
        <source>Fill Series (%n channels)</source>
        <comment>Fill Series (%n channel)</comment>
        <translation>
            <numerusform>填充信道序列（%n 个信道）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FleetTexts</name>
    <message>
        <source>A fleet write never sends the power calibration (0x7E0, 0x7F0): each radio keeps its own.</source>
        <translation>批量写入从不写功率校准数据（0x7E0、0x7F0）：每台对讲机保留自己的校准。</translation>
    </message>
    <message>
        <source>the per-radio values file is empty: its first line names the settings</source>
        <translation>每台对讲机的数值文件是空的：第一行应列出设置的名称</translation>
    </message>
    <message>
        <source>line %1: there is no setting called &quot;%2&quot;</source>
        <translation>第 %1 行：没有名为“%2”的设置</translation>
    </message>
    <message>
        <source>line %1: the setting &quot;%2&quot; is named twice</source>
        <translation>第 %1 行：设置“%2”出现了两次</translation>
    </message>
    <message>
        <source>the per-radio values file has a heading but no rows</source>
        <translation>每台对讲机的数值文件只有标题行，没有数据行</translation>
    </message>
    <message>
        <source>line %1 has %2 cells, the heading has %3</source>
        <translation>第 %1 行有 %2 个单元格，标题行有 %3 个</translation>
    </message>
    <message>
        <source>line %1 starts with &quot;#&quot; and would be skipped as a comment: put the value in quotes (&quot;#...&quot;)</source>
        <translation>第 %1 行以“#”开头，会被当作注释跳过：请给该值加上引号（&quot;#...&quot;）</translation>
    </message>
    <message>
        <source>line %1: &quot;%3&quot; is not a value of %2</source>
        <translation>第 %1 行：“%3”不是%2的值</translation>
    </message>
    <message>
        <source>line %1: %2 does not take &quot;%3&quot; (the options window would make it &quot;%4&quot;)</source>
        <translation>第 %1 行：%2不接受“%3”（可选功能窗口会把它变成“%4”）</translation>
    </message>
</context>
<context>
    <name>FleetWindow</name>
    <message>
        <source>Program Several Radios</source>
        <translation>批量写频</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Socket</source>
        <translation>插口</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Station: each port waits for radio after radio; swap them when done</source>
        <translation>工作站模式：每个端口逐台等待对讲机，写完取下后再等下一台</translation>
    </message>
    <message>
        <source>Per-Radio Values…</source>
        <translation>每台对讲机的数值…</translation>
    </message>
    <message>
        <source>(none: every radio gets the same data)</source>
        <translation>（无：每台对讲机写入相同的数据）</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>报告</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Ident</source>
        <translation>识别码尾</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>备份</translation>
    </message>
    <message>
        <source>First difference</source>
        <translation>第一个不同之处</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>保存报告…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Per-Radio Values</source>
        <translation>每台对讲机的数值</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV 文件 (*.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>%1: %2 rows</source>
        <translation>%1：%2 行</translation>
    </message>
    <message>
        <source>Tick at least one port.</source>
        <translation>请至少勾选一个端口。</translation>
    </message>
    <message>
        <source>The per-radio values have %1 rows for %2 ports.</source>
        <translation>每台对讲机的数值只有 %1 行，却选了 %2 个端口。</translation>
    </message>
    <message>
        <source>Programming…</source>
        <translation>正在写频…</translation>
    </message>
    <message>
        <source>waiting for a radio</source>
        <translation>等待对讲机</translation>
    </message>
    <message>
        <source>looking for a radio</source>
        <translation>查看是否有对讲机</translation>
    </message>
    <message>
        <source>take the radio off</source>
        <translation>请取下对讲机</translation>
    </message>
    <message>
        <source>%2 of %1 radios written and verified.</source>
        <translation>%1 台对讲机中 %2 台已写入并校验。</translation>
    </message>
    <message>
        <source>Report kept in %1</source>
        <translation>报告保存在 %1</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>保存报告</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;JSON files (*.json)</source>
        <translation>CSV 文件 (*.csv);;JSON 文件 (*.json)</translation>
    </message>
    <message>
        <source>The report cannot be saved as %1 (the name must end in .csv or .json).</source>
        <translation>无法保存报告 %1（文件名须以 .csv 或 .json 结尾）。</translation>
    </message>
</context>
<context>
    <name>Fm</name>
    <message>
        <source>Channel</source>
        <translation>频道</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
</context>
<context>
    <name>FmTexts</name>
    <message>
        <source>FM Channel Set</source>
        <translation>FM频道设置</translation>
    </message>
    <message>
        <source>FM VFO:</source>
        <translation>收音机全频频率:</translation>
    </message>
    <message>
        <source>Present Channel:</source>
        <translation>当前收音机工作频道:</translation>
    </message>
    <message>
        <source>FM Display Mode:</source>
        <translation>显示模式:</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>频道</translation>
    </message>
    <message>
        <source>Frequency(MHz)</source>
        <translation>频率(MHz)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Beyond the scope of frequency(87-107.9), please input again.</source>
        <translation>超出频率范围(87-107.9)，请重输。</translation>
    </message>
    <message>
        <source>The present channel must be a whole number (1-25), please input again.</source>
        <translation>当前收音机工作频道必须是整数(1-25)，请重输。</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>收音机步进频率:</source>
        <translation>收音机步进频率:</translation>
    </message>
</context>
<context>
    <name>FmWindow</name>
    <message>
        <source>Channel %1</source>
        <translation>频道 %1</translation>
    </message>
</context>
<context>
    <name>GridToolTexts</name>
    <message>
        <source>Free channel (enter its receive frequency first)</source>
        <translation>空信道（请先输入接收频率）</translation>
    </message>
    <message>
        <source>Beyond the scope of frequency band</source>
        <translation>超出频段范围</translation>
    </message>
    <message>
        <source>Name longer than 5 characters</source>
        <translation>名称超过5个字符</translation>
    </message>
    <message>
        <source>Name holds a character names cannot hold</source>
        <translation>名称含有不能使用的字符</translation>
    </message>
    <message>
        <source>Words that are no entry of the list</source>
        <translation>不是列表中的选项</translation>
    </message>
</context>
<context>
    <name>GridTools</name>
    <message>
        <source>Sort by This Column, Ascending(&amp;A)</source>
        <translation>按本列升序排序(&amp;A)</translation>
    </message>
    <message>
        <source>Sort by This Column, Descending(&amp;D)</source>
        <translation>按本列降序排序(&amp;D)</translation>
    </message>
    <message>
        <source>Find Channels(&amp;F)…</source>
        <translation>查找信道(&amp;F)…</translation>
    </message>
    <message>
        <source>Find Next(&amp;N)</source>
        <translation>查找下一个(&amp;N)</translation>
    </message>
    <message>
        <source>Find Previous(&amp;R)</source>
        <translation>查找上一个(&amp;R)</translation>
    </message>
    <message>
        <source>Choose All Channels(&amp;A)</source>
        <translation>选择全部信道(&amp;A)</translation>
    </message>
    <message>
        <source>Fill Series(&amp;G)…</source>
        <translation>填充信道序列(&amp;G)…</translation>
    </message>
    <message>
        <source>Sort Channels(&amp;S)</source>
        <translation>排序信道(&amp;S)</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>按%1</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>升序</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>降序</translation>
    </message>
    <message>
        <source>These channels were left as they were:</source>
        <translation>以下信道保持不变：</translation>
    </message>
    <message>
        <source>: </source>
        <translation>：</translation>
    </message>
    <message>
        <source>Fill series</source>
        <translation>填充信道序列</translation>
    </message>
    <message>
        <source>Sort channels by %1, ascending</source>
        <translation>按%1升序排序信道</translation>
    </message>
    <message>
        <source>Sort channels by %1, descending</source>
        <translation>按%1降序排序信道</translation>
    </message>
    <message>
        <source>Set %1 of Chosen Channels(&amp;K)…</source>
        <translation>设置所选信道的“%1”(&amp;K)…</translation>
    </message>
    <message numerus="yes">
        <source>Set %1 of %n channels</source>
        <comment>Set %1 of %n channel</comment>
        <translation>
            <numerusform>设置%n个信道的%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 set on %n channels.</source>
        <comment>%1 set on %n channel.</comment>
        <translation>
            <numerusform>已为 %n 个信道设置“%1”。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <translation>中文</translation>
    </message>
</context>
<context>
    <name>LocalMsgbox</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>放弃</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>忽略</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>不保存</translation>
    </message>
    <message>
        <source>TALVO Radio Programming Software V1.50</source>
        <translation>TALVO 对讲机编程软件V1.50</translation>
    </message>
</context>
<context>
    <name>MainCommands</name>
    <message>
        <source>Changing the frequency band will remove the channel tabulation, confirm?</source>
        <translation>改变频段将清除频道列表，确定吗？</translation>
    </message>
    <message>
        <source>Be careful!</source>
        <translation>注意！</translation>
    </message>
    <message>
        <source>Unsaved data will be lost, sure?</source>
        <translation>未保存的数据将会丢失，确定吗？</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Confirm that withdraws from a procedure?
Lose all in change not kept!</source>
        <translation>确定退出本程序？
未保存的更改将全部丢失！</translation>
    </message>
    <message>
        <source>Be careful</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>Serial port%1Invalid or has already been used by other procedures, please choose other bunches of mouths or close its procedure.</source>
        <translation>串行端口%1无效或已被其它程序使用，请选择其他串口或关闭其程序.</translation>
    </message>
    <message>
        <source>

Use port %1 instead?</source>
        <translation>

改用端口%1吗？</translation>
    </message>
    <message>
        <source>HB27E.CHM</source>
        <comment>the help file&apos;s name</comment>
        <translation>HB27.CHM</translation>
    </message>
</context>
<context>
    <name>MainDocument</name>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
    <message>
        <source> (recovered, unsaved)</source>
        <translation>（已恢复，未保存）</translation>
    </message>
    <message>
        <source>There are unsaved changes. Save them first?</source>
        <translation>数据有未保存的更改，是否先保存？</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>The file no longer exists; it was removed from the recent files:
</source>
        <translation>文件不存在，已从最近的文件中删除：
</translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation>错误</translation>
    </message>
</context>
<context>
    <name>MainExchange</name>
    <message>
        <source>Import Channels (CSV)…</source>
        <translation>导入频道（CSV）…</translation>
    </message>
    <message>
        <source>Export Channels (CSV)…</source>
        <translation>导出频道（CSV）…</translation>
    </message>
    <message>
        <source>Export Printout (PDF)…</source>
        <translation>导出打印稿（PDF）…</translation>
    </message>
    <message>
        <source>This file holds no channel list:</source>
        <translation>无法读取频道表：</translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>导出频道</translation>
    </message>
    <message>
        <source>The printout (%1 pages) was written to:
%2</source>
        <translation>打印稿（%1 页）已写入：
%2</translation>
    </message>
    <message>
        <source>Export Printout</source>
        <translation>导出打印稿</translation>
    </message>
    <message>
        <source>CSV files(*.csv)|*.csv|All files(*.*)|*.*|</source>
        <translation>CSV文件(*.csv)|*.csv|所有文件(*.*)|*.*|</translation>
    </message>
    <message>
        <source>PDF files(*.pdf)|*.pdf|All files(*.*)|*.*|</source>
        <translation>PDF文件(*.pdf)|*.pdf|所有文件(*.*)|*.*|</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>导入 %1</translation>
    </message>
    <message>
        <source>%1 channel was exported to:
%2</source>
        <translation>已将 %1 个频道导出到：
%2</translation>
    </message>
    <message>
        <source>%1 channels were exported to:
%2</source>
        <translation>已将 %1 个频道导出到：
%2</translation>
    </message>
</context>
<context>
    <name>MainSafety</name>
    <message>
        <source>Open backup %1</source>
        <translation>打开备份 %1</translation>
    </message>
</context>
<context>
    <name>MainTexts</name>
    <message>
        <source>TALVO Radio Programming Software V1.50</source>
        <translation>TALVO 对讲机编程软件V1.50</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>Open(&amp;O)</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Print(&amp;P)</source>
        <translation>打印(&amp;P)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>Backups(&amp;K)…</source>
        <translation>备份(&amp;K)…</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>Channel Edit(&amp;M)</source>
        <translation>信道编辑(&amp;M)</translation>
    </message>
    <message>
        <source>DTMF(&amp;D)</source>
        <translation>DTMF信令(&amp;D)</translation>
    </message>
    <message>
        <source>Optional Features(&amp;P)</source>
        <translation>可选功能(&amp;P)</translation>
    </message>
    <message>
        <source>Debug Information(&amp;B)</source>
        <translation>调试信息(&amp;B)</translation>
    </message>
    <message>
        <source>FM Channel Set</source>
        <translation>收音机频道设置</translation>
    </message>
    <message>
        <source>Programming(&amp;G)</source>
        <translation>编程(&amp;G)</translation>
    </message>
    <message>
        <source>Read Data from the Transceive(&amp;R)</source>
        <translation>读频(&amp;R)</translation>
    </message>
    <message>
        <source>Write Data in the Transceive(&amp;W)</source>
        <translation>写频(&amp;W)</translation>
    </message>
    <message>
        <source>Communication Port(&amp;C)</source>
        <translation>通信端口(&amp;C)</translation>
    </message>
    <message>
        <source>Checked Write: Back Up, Show Changes, Verify(&amp;V)</source>
        <translation>写频前备份并校验(&amp;V)</translation>
    </message>
    <message>
        <source>Language Select(&amp;L)</source>
        <translation>语言选择(&amp;L)</translation>
    </message>
    <message>
        <source>Chinese(&amp;C)</source>
        <translation>中文(&amp;C)</translation>
    </message>
    <message>
        <source>English(&amp;E)</source>
        <translation>英文(&amp;E)</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Help Theme(F1)</source>
        <translation>帮助主题(F1)</translation>
    </message>
    <message>
        <source>About(&amp;H)</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频段</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Read Data from the Transceive</source>
        <translation>读频</translation>
    </message>
    <message>
        <source>Write Data in the Transceive</source>
        <translation>写频</translation>
    </message>
    <message>
        <source> </source>
        <comment>maker&apos;s name</comment>
        <translation>泰沃通讯设备有限公司</translation>
    </message>
    <message>
        <source>Program Several Radios(&amp;M)…</source>
        <translation>批量写频(&amp;M)…</translation>
    </message>
    <message>
        <source>Lock the hidden mode again (double-click)</source>
        <translation>再次锁定隐藏模式（双击）</translation>
    </message>
    <message>
        <source>Lock the debug mode again (double-click)</source>
        <translation>再次锁定调试模式（双击）</translation>
    </message>
    <message>
        <source>Lock the FM mode again (double-click)</source>
        <translation>再次锁定收音机模式（双击）</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>Freq &amp; Channel</source>
        <translation>频率与频道</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Plus Shift(+)</source>
        <translation>+异频</translation>
    </message>
    <message>
        <source>Minus Shift(-)</source>
        <translation>-异频</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>无异频</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>窄带</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>宽带</translation>
    </message>
    <message>
        <source>Carry</source>
        <translation>载波</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>disabled</comment>
        <translation>禁止</translation>
    </message>
    <message>
        <source>On</source>
        <comment>enabled</comment>
        <translation>使能</translation>
    </message>
    <message>
        <source>A Display Mode:</source>
        <translation>A组显式模式:</translation>
    </message>
    <message>
        <source>B Display Mode:</source>
        <translation>B组显式模式:</translation>
    </message>
    <message>
        <source>Beep:</source>
        <translation>提示音:</translation>
    </message>
    <message>
        <source>Key Lock:</source>
        <translation>按键锁:</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>上锁</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>Scan Mode:</source>
        <translation>扫描模式:</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>载波</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>KeyLock Mode:</source>
        <translation>锁键模式:</translation>
    </message>
    <message>
        <source>Radio Search Mode:</source>
        <translation>收音机搜台模式:</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手动</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Radio Monitors Signal:</source>
        <translation>收音机监听信号:</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>closed</comment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>On</source>
        <comment>opened</comment>
        <translation>打开</translation>
    </message>
    <message>
        <source>SquelchTail Elimination:</source>
        <translation>尾音消除:</translation>
    </message>
    <message>
        <source>Auto Power-Off:</source>
        <translation>自动关机:</translation>
    </message>
    <message>
        <source>%1 Hour</source>
        <translation>%1 小时</translation>
    </message>
    <message>
        <source>Open Display Mode:</source>
        <translation>开机信息显示方式:</translation>
    </message>
    <message>
        <source>Channel Name Editable:</source>
        <translation>自命名频道名称:</translation>
    </message>
    <message>
        <source>Squelch Level:</source>
        <translation>静噪等级:</translation>
    </message>
    <message>
        <source>Battery Save:</source>
        <translation>省电:</translation>
    </message>
    <message>
        <source>Time-out Timer:</source>
        <translation>发射超时:</translation>
    </message>
    <message>
        <source>%1 Minute</source>
        <translation>%1 分钟</translation>
    </message>
    <message>
        <source>Roger Beep:</source>
        <translation>通话结束提示音:</translation>
    </message>
    <message>
        <source>Main Channel:</source>
        <translation>主频道:</translation>
    </message>
    <message>
        <source>B Group</source>
        <translation>B组</translation>
    </message>
    <message>
        <source>A Group</source>
        <translation>A组</translation>
    </message>
    <message>
        <source>Backlight Mode:</source>
        <translation>背光灯方式:</translation>
    </message>
    <message>
        <source>Power-On Password:</source>
        <translation>开机密码设定:</translation>
    </message>
    <message>
        <source>Dual Standby:</source>
        <translation>双频待机:</translation>
    </message>
    <message>
        <source>Memory Channel display Mode:</source>
        <translation>记忆频道显示模式:</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>频道</translation>
    </message>
    <message>
        <source>VOX Swith:</source>
        <translation>VOX 开关:</translation>
    </message>
    <message>
        <source>VOX Gain Level:</source>
        <translation>VOX增益电平:</translation>
    </message>
    <message>
        <source>VOX Delay Time(s):</source>
        <translation>VOX延迟时间(秒):</translation>
    </message>
    <message>
        <source>QT/DQT Dec:</source>
        <translation>接收亚音频:</translation>
    </message>
    <message>
        <source>QT/DQT Enc:</source>
        <translation>发射亚音频:</translation>
    </message>
    <message>
        <source>Power:</source>
        <translation>功率:</translation>
    </message>
    <message>
        <source>Offset Frequency:</source>
        <translation>异频:</translation>
    </message>
    <message>
        <source>Wide/Narrow:</source>
        <translation>宽窄带:</translation>
    </message>
    <message>
        <source>Busy Channel Lock:</source>
        <translation>繁忙信道锁定:</translation>
    </message>
    <message>
        <source>Add Scan:</source>
        <translation>扫描添加:</translation>
    </message>
    <message>
        <source>TX Prohibit:</source>
        <translation>发射禁止:</translation>
    </message>
    <message>
        <source>A Step Frequency:</source>
        <translation>A组步进频率:</translation>
    </message>
    <message>
        <source>B Step Frequency:</source>
        <translation>B组步进频率:</translation>
    </message>
    <message>
        <source>Scramble:</source>
        <translation>扰频:</translation>
    </message>
    <message>
        <source>Companding:</source>
        <translation>压扩:</translation>
    </message>
    <message>
        <source>A Channel Number:</source>
        <translation>A组当前频道数:</translation>
    </message>
    <message>
        <source>B Channel Number:</source>
        <translation>B组当前频道数:</translation>
    </message>
    <message>
        <source>Display Character:</source>
        <translation>开机显示字符:</translation>
    </message>
    <message>
        <source>Power-On Password:</source>
        <comment>4 digits</comment>
        <translation>4位开机密码:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>全频频率:</translation>
    </message>
    <message>
        <source>Offset Data:</source>
        <translation>异频数:</translation>
    </message>
    <message>
        <source>Allow to Cancel Operating</source>
        <translation>允许取消操作</translation>
    </message>
    <message>
        <source>Prohibit VOX in the receiving</source>
        <translation>接收时禁止VOX</translation>
    </message>
    <message>
        <source>Optional Features</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <source>Pronunciation mode:</source>
        <translation>语音模式:</translation>
    </message>
    <message>
        <source>Function Set</source>
        <translation>功能设置</translation>
    </message>
    <message>
        <source>VFO</source>
        <translation>全频频率</translation>
    </message>
    <message>
        <source>VOX</source>
        <translation>VOX(声控发射)</translation>
    </message>
    <message>
        <source>A Group VFO</source>
        <translation>A组全频频率</translation>
    </message>
    <message>
        <source>B Group VFO</source>
        <translation>B组全频频率</translation>
    </message>
    <message>
        <source>呼叫音:</source>
        <translation>呼叫音:</translation>
    </message>
</context>
<context>
    <name>OutcomeWords</name>
    <message>
        <source>The radio stopped answering at step %1.</source>
        <translation>对讲机在第 %1 步停止应答。</translation>
    </message>
    <message>
        <source>The radio refused the written data at step %1.</source>
        <translation>对讲机在第 %1 步拒绝了写入的数据。</translation>
    </message>
    <message>
        <source>The radio answered with another model&apos;s identification.</source>
        <translation>对讲机应答的标识不是本机型的标识。</translation>
    </message>
    <message>
        <source>The radio&apos;s answer at step %1 does not fit the exchange.</source>
        <translation>对讲机在第 %1 步的应答不符合通信过程。</translation>
    </message>
    <message>
        <source>The transfer was stopped.</source>
        <translation>传输已被中止。</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>传输已取消。</translation>
    </message>
    <message>
        <source>First difference at address %1; %2 byte differs.</source>
        <translation>第一个不同之处在地址 %1，共 %2 个字节不同。</translation>
    </message>
    <message>
        <source>First difference at address %1; %2 bytes differ.</source>
        <translation>第一个不同之处在地址 %1，共 %2 个字节不同。</translation>
    </message>
    <message>
        <source>the radio does not hold what was written: first difference at %1, %2 byte differs</source>
        <translation>对讲机中的数据与写入的不一致：第一个不同之处在地址 %1，共 %2 个字节不同。</translation>
    </message>
    <message>
        <source>the radio does not hold what was written: first difference at %1, %2 bytes differ</source>
        <translation>对讲机中的数据与写入的不一致：第一个不同之处在地址 %1，共 %2 个字节不同。</translation>
    </message>
    <message>
        <source>The write stopped at the block at address %1; the radio may hold a partly written configuration.</source>
        <translation>写频停在地址 %1 的数据块，对讲机中的数据可能只写入了一部分。</translation>
    </message>
    <message>
        <source>The write stopped before any data was sent.</source>
        <translation>写频在发送数据之前就已停止。</translation>
    </message>
    <message>
        <source>The radio holds the file&apos;s bytes.</source>
        <translation>对讲机中的数据与文件的字节相同。</translation>
    </message>
    <message>
        <source>The radio holds what a write of the file sends.</source>
        <translation>对讲机中的数据与写入该文件时发送的数据相同。</translation>
    </message>
    <message>
        <source>Identifying</source>
        <translation>识别</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Backing up</source>
        <translation>备份</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>校验</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>one sentence after another</comment>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>文件%1不存在。</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>无法读取文件%1。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written; nothing was saved.</source>
        <translation>无法写入文件%1，文件未保存。</translation>
    </message>
    <message>
        <source>File type is incorrect!</source>
        <translation>文件类型不正确！</translation>
    </message>
    <message>
        <source>The file %1 is too short (a data file has 3120 bytes).</source>
        <translation>文件%1不完整（数据文件应为3120字节）。</translation>
    </message>
    <message>
        <source>The serial port %1 cannot be opened.</source>
        <translation>串行端口%1无法打开。</translation>
    </message>
    <message>
        <source>No permission to open the serial port %1. On Linux add your user to the dialout group (sudo usermod -aG dialout $USER) and log in again.</source>
        <translation>没有权限打开串行端口%1。在Linux上请将用户加入dialout组（sudo usermod -aG dialout $USER），然后重新登录。</translation>
    </message>
    <message>
        <source>Communication error, check the line and the serial connection selection!</source>
        <translation>通信出错，请检查对讲机，连线及串口选择！</translation>
    </message>
    <message>
        <source>The radio refused the written data.</source>
        <translation>对讲机拒绝了写入的数据。</translation>
    </message>
    <message>
        <source>written and verified</source>
        <translation>已写入并校验</translation>
    </message>
    <message>
        <source>verify failed: the radio does not hold what was written</source>
        <translation>校验失败：对讲机中的数据与写入的不一致</translation>
    </message>
    <message>
        <source>no radio answered</source>
        <translation>没有对讲机应答</translation>
    </message>
    <message>
        <source>not this model of radio: nothing written</source>
        <translation>不是本型号的对讲机，未写入</translation>
    </message>
    <message>
        <source>the radio stopped answering</source>
        <translation>对讲机停止应答</translation>
    </message>
    <message>
        <source>the radio refused a written block</source>
        <translation>对讲机拒绝了写入的数据</translation>
    </message>
    <message>
        <source>the port cannot be used</source>
        <translation>端口无法使用</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>Reading Frequency Successful!</source>
        <translation>读频成功！</translation>
    </message>
    <message>
        <source>Writing Frequency Successful!</source>
        <translation>写频成功！</translation>
    </message>
    <message>
        <source>Written and verified!</source>
        <translation>写频成功，已校验！</translation>
    </message>
    <message>
        <source>The write was stopped.</source>
        <translation>写频已被中止。</translation>
    </message>
    <message>
        <source>The write failed: </source>
        <translation>写频失败：</translation>
    </message>
    <message>
        <source>The radio does not hold what was written!</source>
        <translation>对讲机中的数据与写入的不一致！</translation>
    </message>
    <message>
        <source>The data was written but could not be read back to check it: </source>
        <translation>数据已写入，但无法读回校验：</translation>
    </message>
    <message>
        <source>The backup was written back to the radio and verified.</source>
        <translation>备份已写回对讲机，已校验。</translation>
    </message>
    <message>
        <source>Restoring the backup failed: </source>
        <translation>恢复备份失败：</translation>
    </message>
    <message>
        <source>After writing the backup back the radio still does not hold it!</source>
        <translation>写回备份后，对讲机中的数据仍与备份不一致！</translation>
    </message>
    <message>
        <source>The backup was written back but could not be read back to check it: </source>
        <translation>备份已写回，但无法读回校验：</translation>
    </message>
</context>
<context>
    <name>PortDiagnosis</name>
    <message>
        <source>brltty (the Braille display service) is installed and a CH340 cable is plugged in: brltty claims the CH340 as a Braille display and its serial device disappears. If you use no Braille display, remove it (sudo apt remove brltty) or stop it (sudo systemctl stop brltty-udev.service brltty.service and sudo systemctl mask brltty-udev.service), then unplug and replug the cable.</source>
        <translation>已安装盲文显示服务brltty，并插着CH340电缆：brltty把CH340当成盲文显示器占用，串行设备随即消失。如果不使用盲文显示器，请卸载它（sudo apt remove brltty），或停止它（sudo systemctl stop brltty-udev.service brltty.service 和 sudo systemctl mask brltty-udev.service），然后重新插拔电缆。</translation>
    </message>
    <message>
        <source>No serial device is present now: plug the programming cable in.</source>
        <translation>本机现在没有任何串行设备：请插上编程电缆。</translation>
    </message>
    <message>
        <source>Serial devices present:</source>
        <translation>现有的串行设备：</translation>
    </message>
    <message>
        <source>
The program&apos;s udev rule (70-talvo.rules, which gives the logged-in user the cable) is not installed: install the talvo package, or copy 70-talvo.rules to /etc/udev/rules.d, then unplug and replug the cable.</source>
        <translation>
本程序的udev规则（70-talvo.rules，让登录的用户使用编程电缆）未安装：请安装talvo软件包，或将70-talvo.rules复制到/etc/udev/rules.d，再重新插拔电缆。</translation>
    </message>
    <message>
        <source>
The udev rule is installed, but it serves only a user logged in at this computer: unplug and replug the cable.</source>
        <translation>
udev规则已安装，但只对本机登录的用户有效：请重新插拔电缆。</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source> (process </source>
        <translation>（进程号</translation>
    </message>
    <message>
        <source>)</source>
        <translation>）</translation>
    </message>
    <message>
        <source>
ModemManager is running; it probes a newly plugged USB serial device and holds it for a while. Try again in a moment; with the program&apos;s udev rule (70-talvo.rules) installed it leaves the cable alone.</source>
        <translation>
ModemManager正在运行，它会探测新插入的USB串口并短时占用。请稍候再试；安装本程序的udev规则（70-talvo.rules）后它将不再探测编程电缆。</translation>
    </message>
    <message>
        <source> (port %1)</source>
        <translation>（端口%1）</translation>
    </message>
    <message>
        <source>Port %1 reaches no serial device on this computer.</source>
        <translation>本机没有串行设备对应端口%1。</translation>
    </message>
    <message>
        <source>The device %1 is not there (is the cable unplugged?).</source>
        <translation>设备%1不存在（电缆已拔出？）。</translation>
    </message>
    <message>
        <source>No permission to open %1 (it belongs to the group %2).</source>
        <translation>没有权限打开%1（属于%2组）。</translation>
    </message>
    <message>
        <source>
You are in the group %1, but this login started before you were added: log out and log in again.</source>
        <translation>
您已在%1组中，但本次登录早于加入：请注销并重新登录。</translation>
    </message>
    <message>
        <source>the group %1</source>
        <translation>%1组</translation>
    </message>
    <message>
        <source>%1, the group of serial devices</source>
        <translation>串行设备的%1组</translation>
    </message>
    <message>
        <source>
Or add yourself to %1: sudo usermod -aG %2 $USER — then log out and log in again (a new login is needed).</source>
        <translation>
或者将您加入%1：sudo usermod -aG %2 $USER ，然后注销并重新登录（需要新的登录才生效）。</translation>
    </message>
    <message>
        <source>%1 is in use by another program (the system does not say which; sudo fuser -v %1 shows it). Close that program and try again.</source>
        <translation>%1正被其他程序占用（系统未说明是哪个程序；可用 sudo fuser -v %1 查看）。请关闭该程序后再试。</translation>
    </message>
    <message>
        <source>%1 is in use by %2. Close that program and try again.</source>
        <translation>%1正被%2占用。请关闭该程序后再试。</translation>
    </message>
    <message>
        <source>%1 is a built-in serial port with no hardware behind it; no cable can be on it.</source>
        <translation>%1是没有硬件的内置串口，不能连接电缆。</translation>
    </message>
    <message>
        <source>The system refuses to open %1.</source>
        <translation>系统拒绝打开%1。</translation>
    </message>
    <message>
        <source>
The USB serial cable %1 is port %2.</source>
        <translation>
USB串口电缆%1是端口%2。</translation>
    </message>
</context>
<context>
    <name>PortList</name>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
</context>
<context>
    <name>PortSurvey</name>
    <message>
        <source>(no device)</source>
        <translation>（无设备）</translation>
    </message>
    <message>
        <source>USB serial</source>
        <translation>USB串口</translation>
    </message>
    <message>
        <source>USB modem-class serial</source>
        <translation>USB调制解调器类串口</translation>
    </message>
    <message>
        <source>built-in serial port</source>
        <translation>内置串口</translation>
    </message>
    <message>
        <source>built-in serial port (no hardware)</source>
        <translation>内置串口（无硬件）</translation>
    </message>
    <message>
        <source>pseudo-terminal</source>
        <translation>伪终端</translation>
    </message>
    <message>
        <source>serial device</source>
        <translation>串行设备</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>可以</translation>
    </message>
    <message>
        <source>no: no permission</source>
        <translation>否：没有权限</translation>
    </message>
    <message>
        <source>no: in use by another program</source>
        <translation>否：被其他程序占用</translation>
    </message>
    <message>
        <source>no: in use by </source>
        <translation>否：被占用：</translation>
    </message>
    <message>
        <source>no: no hardware</source>
        <translation>否：无硬件</translation>
    </message>
    <message>
        <source>no: device missing</source>
        <translation>否：设备不存在</translation>
    </message>
    <message>
        <source>no: the system refuses to open it</source>
        <translation>否：系统拒绝打开</translation>
    </message>
    <message>
        <source>PORT</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>DEVICE</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>OPEN NOW</source>
        <translation>现在可打开</translation>
    </message>
    <message>
        <source>yes (also open in %1)</source>
        <translation>可以（%1也打开着它）</translation>
    </message>
</context>
<context>
    <name>Power</name>
    <message>
        <source>High Power Grades</source>
        <translation>高功率等级</translation>
    </message>
    <message>
        <source>Middle Power Grades</source>
        <translation>中功率等级</translation>
    </message>
    <message>
        <source>Low Power Grades</source>
        <translation>低功率等级</translation>
    </message>
</context>
<context>
    <name>PrintContent</name>
    <message>
        <source>TALVO Interphone </source>
        <translation>TALVO对讲机</translation>
    </message>
    <message>
        <source>programming data are printed</source>
        <translation>编程数据打印</translation>
    </message>
    <message>
        <source>Function Set</source>
        <translation>功能设置</translation>
    </message>
    <message>
        <source>The whole frequency frequently</source>
        <translation>全频频率</translation>
    </message>
    <message>
        <source>VOX(Voice control launches)</source>
        <translation>VOX(声控发射)</translation>
    </message>
    <message>
        <source>Debug information</source>
        <translation>调试信息</translation>
    </message>
    <message>
        <source>Channel data</source>
        <translation>信道数据</translation>
    </message>
    <message>
        <source>Whether</source>
        <translation>是否</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>PrintPdf</name>
    <message>
        <source>Programming data</source>
        <translation>编程数据打印</translation>
    </message>
</context>
<context>
    <name>PrintPreviewWindow</name>
    <message>
        <source>Print preview</source>
        <translation>打印预览</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>There is no default printer; nothing was printed.</source>
        <translation>没有默认打印机，未打印。</translation>
    </message>
    <message>
        <source>Printing failed: the printer did not accept the printout.</source>
        <translation>打印失败：打印机没有接受打印内容。</translation>
    </message>
</context>
<context>
    <name>RadioTransfer</name>
    <message>
        <source>warning: no backup was kept.</source>
        <translation>警告：备份未保存。</translation>
    </message>
    <message>
        <source>.</source>
        <translation>。</translation>
    </message>
    <message>
        <source> Set TALVO_PORT_%1=/dev/... to choose one.</source>
        <translation>可设置TALVO_PORT_%1=/dev/...选择设备。</translation>
    </message>
    <message>
        <source>%1/%2 blocks</source>
        <translation>%1/%2 块</translation>
    </message>
</context>
<context>
    <name>RecoveryPrompts</name>
    <message>
        <source>an untitled document</source>
        <translation>未命名的数据</translation>
    </message>
    <message>
        <source>The program ended without saving the changes to %1 (kept at %2).
Restore them?

Yes: restore them as unsaved changes.
No: discard them.
Cancel: decide at the next start.</source>
        <translation>上次程序结束时，对 %1 的更改尚未保存（保留于 %2）。
是否恢复这些更改？

是：恢复为未保存的更改。
否：丢弃这些更改。
取消：下次启动时再决定。</translation>
    </message>
    <message>
        <source>Recover unsaved changes</source>
        <translation>恢复未保存的更改</translation>
    </message>
    <message>
        <source>A recovery copy of unsaved changes cannot be read:
%1
The copy was kept as:
%2</source>
        <translation>无法读取未保存更改的恢复副本：
%1
副本已保留为：
%2</translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>%1 cannot be written: unsaved changes cannot be recovered if the program ends unexpectedly.
Save your work to a file.</source>
        <translation>无法写入 %1，
程序意外结束时未保存的更改将无法恢复。
请及时保存到文件。</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>注意</translation>
    </message>
</context>
<context>
    <name>ToneList</name>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>TransferController</name>
    <message>
        <source>The serial port is invalid</source>
        <translation>串行端口无效</translation>
    </message>
    <message>
        <source>The backup could not be saved: </source>
        <translation>无法保存备份：</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>The transfer with the radio is running. Stop it?</source>
        <translation>正在与对讲机通信，确定要中止吗？</translation>
    </message>
    <message>
        <source>Reading……</source>
        <translation>正在读取……</translation>
    </message>
    <message>
        <source>Data is reading, please wait a moment.</source>
        <translation>正在读频，请稍候。</translation>
    </message>
    <message>
        <source>Writing……</source>
        <translation>正在写入……</translation>
    </message>
    <message>
        <source>Data is writing, please wait a moment.</source>
        <translation>正在写频，请稍候。</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>消息</translation>
    </message>
</context>
<context>
    <name>WebSettings</name>
    <message>
        <source>Hidden mode unlocked.</source>
        <translation>已解锁隐藏模式。</translation>
    </message>
    <message>
        <source>Hidden mode locked again.</source>
        <translation>已重新锁定隐藏模式。</translation>
    </message>
    <message>
        <source>Print or save as PDF from the browser.</source>
        <translation>可通过浏览器打印或另存为PDF。</translation>
    </message>
    <message>
        <source>A new version is kept; reload the page to use it.</source>
        <translation>已保存新版本；重新载入页面即可使用。</translation>
    </message>
</context>
<context>
    <name>WebTransfer</name>
    <message>
        <source>Reading and writing the radio needs Web Serial, which Chrome, Edge and Opera have on the desktop. Opening, editing, saving, CSV and printing work in this browser as well.</source>
        <translation>读写对讲机需要 Web Serial，桌面版 Chrome、Edge 和 Opera 提供此功能。打开、编辑、保存、CSV 和打印在此浏览器中同样可用。</translation>
    </message>
    <message>
        <source>Show every serial port</source>
        <translation>显示所有串口</translation>
    </message>
    <message>
        <source>No port, or it will not open?</source>
        <translation>没有端口，或端口无法打开？</translation>
    </message>
    <message>
        <source>On Windows, install the driver of the cable&apos;s chip (CH340 or PL2303) and plug the cable in again. A counterfeit PL2303 chip is refused by the current Windows driver: use a cable with a genuine chip. A port held by another program (another programming program, a terminal) cannot be opened until that program lets it go. On Linux, add your user to the dialout group (sudo usermod -aG dialout $USER) and log in again.</source>
        <translation>在 Windows 上，请安装数据线芯片（CH340 或 PL2303）的驱动程序，然后重新插入数据线。当前的 Windows 驱动程序会拒绝仿冒的 PL2303 芯片：请使用带正品芯片的数据线。被其他程序（其他写频程序、终端）占用的端口，要等该程序释放后才能打开。在 Linux 上，请将您的用户加入 dialout 组（sudo usermod -aG dialout $USER）并重新登录。</translation>
    </message>
    <message>
        <source>Save as data file</source>
        <translation>另存为数据文件</translation>
    </message>
    <message>
        <source>Write back to the radio</source>
        <translation>写回对讲机</translation>
    </message>
    <message>
        <source>Every read keeps what the radio held, in this browser.</source>
        <translation>每次读取都会在此浏览器中保存对讲机原有的数据。</translation>
    </message>
    <message>
        <source>No backup yet.</source>
        <translation>还没有备份。</translation>
    </message>
    <message>
        <source>The cable was disconnected.</source>
        <translation>数据线已断开。</translation>
    </message>
    <message>
        <source>Write the backup of %1 back to the radio and verify it? What the radio holds now is replaced.</source>
        <translation>将 %1 的备份写回对讲机并校验吗？对讲机中现有的数据将被替换。</translation>
    </message>
</context>
</TS>
