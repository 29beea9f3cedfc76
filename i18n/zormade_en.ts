<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
  <context>
    <name>strings</name>
    <message>
      <source>ＺＯＲＭade</source>
      <comment>128</comment>
      <translation>ZORMade</translation>
    </message>
    <message>
      <source>一時停止します。</source>
      <comment>200</comment>
      <translation>The game is paused.</translation>
    </message>
    <message>
      <source>PAUSE</source>
      <comment>201</comment>
      <translation>PAUSE</translation>
    </message>
    <message>
      <source>一時停止を解除します。</source>
      <comment>202</comment>
      <translation>The game resumes.</translation>
    </message>
    <message>
      <source>PAUSE EXIT</source>
      <comment>203</comment>
      <translation>RESUME</translation>
    </message>
    <message>
      <source>ゲームを中断します、よろしいですか？</source>
      <comment>204</comment>
      <translation>This will abandon the game. Are you sure?</translation>
    </message>
    <message>
      <source>STOP</source>
      <comment>205</comment>
      <translation>STOP</translation>
    </message>
    <message>
      <source>一時停止(&amp;P)</source>
      <comment>206</comment>
      <translation>&amp;Pause</translation>
    </message>
    <message>
      <source>一時停止解除(&amp;P)</source>
      <comment>207</comment>
      <translation>Un&amp;pause</translation>
    </message>
    <message>
      <source>GAME OVER</source>
      <comment>210</comment>
      <translation>GAME OVER</translation>
    </message>
    <message>
      <source>捕まってしまった......</source>
      <comment>211</comment>
      <translation>You were caught......</translation>
    </message>
    <message>
      <source>CLEAR!!</source>
      <comment>212</comment>
      <translation>CLEAR!!</translation>
    </message>
    <message>
      <source>%1。</source>
      <comment>213</comment>
      <translation>%1.</translation>
    </message>
    <message>
      <source>結果</source>
      <comment>220</comment>
      <translation>Result</translation>
    </message>
    <message>
      <source>ランキングと設定を保存できませんでした。
%1
%2</source>
      <comment>230</comment>
      <translation>The ranking and settings could not be saved.
%1
%2</translation>
    </message>
    <message>
      <source>起動時に読み込めなかったため、ファイルはそのままです（%1）。</source>
      <comment>231</comment>
      <translation>It could not be read at start-up, so the file was left as it was (%1).</translation>
    </message>
    <message>
      <source>書き込みが許可されていないファイルです</source>
      <comment>232</comment>
      <translation>Writing to this file is not permitted</translation>
    </message>
    <message>
      <source>通常のファイルではありません</source>
      <comment>233</comment>
      <translation>It is not a regular file</translation>
    </message>
    <message>
      <source>OK</source>
      <comment>250</comment>
      <translation>OK</translation>
    </message>
    <message>
      <source>はい(&amp;Y)</source>
      <comment>251</comment>
      <translation>&amp;Yes</translation>
    </message>
    <message>
      <source>いいえ(&amp;N)</source>
      <comment>252</comment>
      <translation>&amp;No</translation>
    </message>
    <message>
      <source>体力</source>
      <comment>260</comment>
      <translation>Nerve</translation>
    </message>
    <message>
      <source>ナガレ薬研信頼</source>
      <comment>261</comment>
      <translation>Nagare's trust</translation>
    </message>
    <message>
      <source>鵺田君パワー</source>
      <comment>262</comment>
      <translation>Nueda's power</translation>
    </message>
    <message>
      <source>厚生省疑惑</source>
      <comment>263</comment>
      <translation>Ministry's suspicion</translation>
    </message>
    <message>
      <source>所持金（万円）</source>
      <comment>264</comment>
      <translation>Money (×10,000 yen)</translation>
    </message>
    <message>
      <source>ＨＩＶ患者数（人）</source>
      <comment>265</comment>
      <translation>HIV patients</translation>
    </message>
    <message>
      <source>限界</source>
      <comment>266</comment>
      <translation>Limit</translation>
    </message>
    <message>
      <source>体力が尽きた</source>
      <comment>270</comment>
      <translation>Nerve ran out</translation>
    </message>
    <message>
      <source>鵺田君パワーが限界を超えた</source>
      <comment>271</comment>
      <translation>Nueda's power passed the limit</translation>
    </message>
    <message>
      <source>厚生省疑惑が限界を超えた</source>
      <comment>272</comment>
      <translation>Ministry suspicion passed the limit</translation>
    </message>
    <message>
      <source>%1（%2）　……そして捕まってしまった</source>
      <comment>273</comment>
      <translation>%1 (%2)... and you were caught</translation>
    </message>
    <message>
      <source>1996年12月まで逃げ切った！　POINT:%1（%2）</source>
      <comment>274</comment>
      <translation>Got away with it until December 1996!  SCORE: %1 (%2)</translation>
    </message>
    <message>
      <source>%1 でゲームを中断した</source>
      <comment>275</comment>
      <translation>You abandoned the game in %1</translation>
    </message>
    <message>
      <source>問%1・答%2</source>
      <comment>276</comment>
      <translation>Event %1, answer %2</translation>
    </message>
    <message>
      <source>%1　%2　%3
　　　　　→ %4</source>
      <comment>277</comment>
      <translation>%1  %2  %3
　　　　　→ %4</translation>
    </message>
    <message>
      <source>グラフを描く部品を読み込めませんでした。
%1</source>
      <comment>278</comment>
      <translation>The part that draws the charts could not be loaded.
%1</translation>
    </message>
    <message>
      <source>患者%1人×0.88＋所持金%2円÷7578</source>
      <comment>279</comment>
      <translation>%1 patients × 0.88 + %2 yen ÷ 7578</translation>
    </message>
    <message>
      <source>%1　%2／%3</source>
      <comment>280</comment>
      <translation>%1: %2 / %3</translation>
    </message>
    <message>
      <source>万円</source>
      <comment>282</comment>
      <translation>¥10,000</translation>
    </message>
    <message>
      <source>人</source>
      <comment>283</comment>
      <translation>people</translation>
    </message>
    <message>
      <source>、</source>
      <comment>284</comment>
      <translation>, </translation>
    </message>
    <message>
      <source>64 MiB を超える大きさのため読み込みません</source>
      <comment>290</comment>
      <translation>It is larger than 64 MiB, so it is not read</translation>
    </message>
    <message>
      <source>ほかのプログラムが %1 を放さなかったため、待たずに保存しました。</source>
      <comment>291</comment>
      <translation>Saved without waiting, because another program would not let go of %1.</translation>
    </message>
    <message>
      <source>ディスクの空き容量がありません</source>
      <comment>292</comment>
      <translation>There is no space left on the disk</translation>
    </message>
    <message>
      <source>アクセスが許可されていません</source>
      <comment>293</comment>
      <translation>Access is not permitted</translation>
    </message>
    <message>
      <source>読み取り専用のファイルシステムです</source>
      <comment>294</comment>
      <translation>The file system is read-only</translation>
    </message>
    <message>
      <source>ファイルが大きすぎます</source>
      <comment>295</comment>
      <translation>The file is too large</translation>
    </message>
    <message>
      <source>フォルダーです</source>
      <comment>296</comment>
      <translation>It is a folder</translation>
    </message>
    <message>
      <source>フォルダーではありません</source>
      <comment>297</comment>
      <translation>It is not a folder</translation>
    </message>
    <message>
      <source>シンボリックリンクが多すぎるか、循環しています</source>
      <comment>298</comment>
      <translation>Too many symbolic links, or links in a loop</translation>
    </message>
    <message>
      <source>ディスクの使用量の上限を超えています</source>
      <comment>299</comment>
      <translation>The disk quota is used up</translation>
    </message>
    <message>
      <source>ファイルまたはフォルダーがありません</source>
      <comment>300</comment>
      <translation>There is no such file or folder</translation>
    </message>
    <message>
      <source>名前が長すぎます</source>
      <comment>301</comment>
      <translation>The name is too long</translation>
    </message>
    <message>
      <source>開いて読み書きできる種類のファイルではありません</source>
      <comment>302</comment>
      <translation>It is not a kind of file that can be opened for reading and writing</translation>
    </message>
    <message>
      <source>思いがけないエラーです</source>
      <comment>303</comment>
      <translation>An unexpected error</translation>
    </message>
    <message>
      <source>ほかのユーザーのファイルやフォルダーを指すシンボリックリンクのため、たどりません</source>
      <comment>304</comment>
      <translation>It is a symbolic link to another user's file or folder, so it is not followed</translation>
    </message>
    <message>
      <source>シンボリックリンクです</source>
      <comment>305</comment>
      <translation>It is a symbolic link</translation>
    </message>
    <message>
      <source>ランキングも設定も含まないファイルのため、書き換えません</source>
      <comment>306</comment>
      <translation>The file holds neither a ranking nor settings, so it is not rewritten</translation>
    </message>
    <message>
      <source>%1 をロックに使えなかったため（%2）、待たずに保存しました。</source>
      <comment>307</comment>
      <translation>%1 could not be used as a lock (%2), so the file was saved without waiting.</translation>
    </message>
    <message>
      <source>次の記録がファイルに残っているか確かめられませんでした。
%1</source>
      <comment>308</comment>
      <translation>Could not make sure these records are still in the file:
%1</translation>
    </message>
    <message>
      <source>%1（%2点）</source>
      <comment>309</comment>
      <translation>%1 (%2 points)</translation>
    </message>
    <message>
      <source>%1（%2）</source>
      <comment>310</comment>
      <translation>%1 (%2)</translation>
    </message>
    <message>
      <source>体力   －－＞%1%2</source>
      <comment>400</comment>
      <translation>Nerve -------&gt; %2 %1</translation>
    </message>
    <message>
      <source>所持金－－＞%1%2</source>
      <comment>401</comment>
      <translation>Money --------&gt; %2 %1 yen</translation>
    </message>
    <message>
      <source>患者数－－＞%1人%2</source>
      <comment>402</comment>
      <translation>Patients -------&gt; %2 %1</translation>
    </message>
    <message>
      <source>ナガレ信頼－＞%1%2</source>
      <comment>403</comment>
      <translation>Nagare trust -&gt; %2 %1</translation>
    </message>
    <message>
      <source>鵺田君－－＞%1%2</source>
      <comment>404</comment>
      <translation>Nueda --------&gt; %2 %1</translation>
    </message>
    <message>
      <source>厚生省疑惑＞%1%2</source>
      <comment>405</comment>
      <translation>Suspicion ----&gt; %2 %1</translation>
    </message>
    <message>
      <source>増加</source>
      <comment>406</comment>
      <translation>up</translation>
    </message>
    <message>
      <source>減少</source>
      <comment>407</comment>
      <translation>down</translation>
    </message>
    <message>
      <source>所持金－－＞そこをつきました。</source>
      <comment>408</comment>
      <translation>Money --------&gt; all gone.</translation>
    </message>
    <message>
      <source>所持金－－＞要求額が大きすぎます。</source>
      <comment>409</comment>
      <translation>Money --------&gt; demand too large.</translation>
    </message>
    <message>
      <source>患者数－－＞増えていません。投与しましょう。</source>
      <comment>410</comment>
      <translation>Patients -------&gt; not rising. Time to dose.</translation>
    </message>
    <message>
      <source>POINT:%1
「わはははは！！」</source>
      <comment>411</comment>
      <translation>SCORE: %1
“Ha-ha-ha-ha-ha!!”</translation>
    </message>
    <message>
      <source>%1: 言語「%2」の訳はありません。選べる言語: %3</source>
      <comment>500</comment>
      <translation>%1: there is no translation for the language '%2'. The languages are: %3</translation>
    </message>
    <message>
      <source>使い方: zormade [--lang 言語] [Qt のオプション]
        zormade --help | --version
製薬会社と厚生省を皮肉る経営ゲームです。日本語のほかに英語版があります。
--lang ja または --lang en で、その言語で遊べます。指定がなければデスクトップの言語
（LANGUAGE、LC_ALL、LC_MESSAGES、LANG）に従い、英語を求めていれば英語、ほかは日本語です。
Qt のオプションも使えます。たとえば -style 名前、-platform 名前、-display ディスプレイ、
-qwindowgeometry 大きさと位置、-reverse。
終了ステータス: 0。ウィンドウを開けないとき 1。知らないオプションや言語のとき 2。</source>
      <comment>501</comment>
      <translation>usage: zormade [--lang LANGUAGE] [Qt options]
       zormade --help | --version
A satirical management game in Japanese, with an English edition.
--lang ja or --lang en shows it in that language. Without it the desktop's language decides
(LANGUAGE, LC_ALL, LC_MESSAGES, LANG): English where it asks for English, else Japanese.
Qt's options are accepted, among them -style NAME, -platform NAME, -display DISPLAY,
-qwindowgeometry GEOMETRY and -reverse.
Exit status: 0; 1 when no window can be opened; 2 on an unknown option or language.</translation>
    </message>
    <message>
      <source>%1: 知らないオプション「%2」です</source>
      <comment>502</comment>
      <translation>%1: unknown option '%2'</translation>
    </message>
    <message>
      <source>%1: 余計な引数「%2」があります</source>
      <comment>503</comment>
      <translation>%1: unexpected argument '%2'</translation>
    </message>
    <message>
      <source>%1: ウィンドウを開けません: %2</source>
      <comment>504</comment>
      <translation>%1: cannot open a window: %2</translation>
    </message>
    <message>
      <source>使い方: zormade-replay [--history] [--lang 言語] [スクリプト]   （スクリプトがなければ
        標準入力を読みます）
        zormade-replay --help | --version
スクリプトをゲームのエンジンで進め、タイマーの1刻みごとに起きたことを書き出します。
1行に1つの指示。「#」から後は注釈です。
  level L                   難易度。0（最も難しい）～2。次の start から
  start                     最初の状態から新しく始める
  turn D N M C F S [A]      1刻み進める。スライダーの dose、donation、demand、counter（0～25）、
                            2回のくじ first draw、second draw（0～2）、答え answer（1～4。省けば1）
出力は1か月に1行: YYYY/MM 体力 所持金 患者数 信頼 鵺田 疑惑 捕まったか
イベント。イベントが出た月は続けて「  ? 」問い、「  &gt; 」答え、「  = 」結果、
そして6行のログ「  | 」。ゲームが終わると「YYYY/MM END GAMEOVER」または
「YYYY/MM END CLEAR 得点」。
--history をつけると、ゲームごとの各月を、終わったとき（またはスクリプトの終わりに）CSV で書きます:
year,month,stamina,money,patients,trust,rival,suspicion,event,answer
言葉は --lang で選んだ言語（ja か en）、なければゲームと同じくデスクトップの言語です。
終了ステータス: 0。出力を書けなかったとき 1。誤った行やオプションのとき 2。</source>
      <comment>505</comment>
      <translation>usage: zormade-replay [--history] [--lang LANGUAGE] [script]   (reads standard input without
       a script)
       zormade-replay --help | --version
Plays a script through the game's engine and prints what every timer tick does.
One directive a line; '#' starts a comment:
  level L                   difficulty 0 (hardest) to 2, from the next start
  start                     a new run in the start state
  turn D N M C F S [A]      one tick: sliders dose, donation, demand, counter (0-25),
                            the two draws (0-2) and the event answer (1-4, default 1)
Output, one month a line: YYYY/MM nerve money patients trust rival suspicion caught
event, then '  ? ' prompt, '  &gt; ' answer and '  = ' result when an event was shown, and
the six log lines '  | '; the end of a run prints 'YYYY/MM END GAMEOVER' or
'YYYY/MM END CLEAR score'.
With --history, each run's months follow as CSV when it ends, or when the script ends:
year,month,stamina,money,patients,trust,rival,suspicion,event,answer
The words are in the language --lang names (ja or en), else in the desktop's, as the game's.
Exit status: 0; 1 when the output could not be written; 2 on a bad line or option.</translation>
    </message>
    <message>
      <source>%1: %2 を読めません: %3</source>
      <comment>506</comment>
      <translation>%1: cannot read %2: %3</translation>
    </message>
    <message>
      <source>%1行目: %2</source>
      <comment>510</comment>
      <translation>line %1: %2</translation>
    </message>
    <message>
      <source>知らない指示「%1」です</source>
      <comment>511</comment>
      <translation>unknown directive '%1'</translation>
    </message>
    <message>
      <source>start は値をとりません（%1個あります）</source>
      <comment>512</comment>
      <translation>start takes no values, got %1</translation>
    </message>
    <message>
      <source>level は値を1つとります（%1個あります）</source>
      <comment>513</comment>
      <translation>level takes 1 value, got %1</translation>
    </message>
    <message>
      <source>turn は値を6つか7つとります（%1個あります）</source>
      <comment>514</comment>
      <translation>turn takes 6 or 7 values, got %1</translation>
    </message>
    <message>
      <source>%1 の「%2」は数ではありません</source>
      <comment>515</comment>
      <translation>%1 '%2' is not a number</translation>
    </message>
    <message>
      <source>%1 の %2 が %3～%4 の外です</source>
      <comment>516</comment>
      <translation>%1 %2 is out of range %3 to %4</translation>
    </message>
    <message>
      <source>%1 バイトより長い行です</source>
      <comment>517</comment>
      <translation>longer than %1 bytes</translation>
    </message>
    <message>
      <source>進行中のゲームがないのに turn があります（前のゲームは終わりました。start で新しく始めてください）</source>
      <comment>518</comment>
      <translation>turn with no run going (the last one ended; start a new one)</translation>
    </message>
    <message>
      <source>スクリプトを読めませんでした</source>
      <comment>519</comment>
      <translation>the script could not be read</translation>
    </message>
    <message>
      <source>出力を書けませんでした</source>
      <comment>520</comment>
      <translation>the output could not be written</translation>
    </message>
    <message>
      <source>zormade</source>
      <comment>57344</comment>
      <translation>zormade</translation>
    </message>
    <message>
      <source>使えない文字が含まれています。</source>
      <comment>241</comment>
      <translation type="vanished">It contains a character that cannot be used.</translation>
    </message>
    <message>
      <source>半角%1文字（全角%2文字）以内で入力してください。</source>
      <comment>242</comment>
      <translation type="vanished">Please enter at most %1 characters (%2 if Japanese).</translation>
    </message>
    <message>
      <source>整数を入力してください。</source>
      <comment>240</comment>
      <translation type="vanished">Please enter a whole number.</translation>
    </message>
  </context>
  <context>
    <name>menu 128</name>
    <message>
      <source>ﾒﾆｭｰ(&amp;M)</source>
      <comment>popup</comment>
      <translation>&amp;Menu</translation>
    </message>
    <message>
      <source>ｹﾞｰﾑ開始(&amp;S)</source>
      <comment>32771</comment>
      <translation>&amp;Start game</translation>
    </message>
    <message>
      <source>一時停止(&amp;P)</source>
      <comment>32774</comment>
      <translation>&amp;Pause</translation>
    </message>
    <message>
      <source>ｹﾞｰﾑ中断(&amp;E)</source>
      <comment>32772</comment>
      <translation>&amp;End game</translation>
    </message>
    <message>
      <source>ﾗﾝｷﾝｸﾞ(&amp;R)</source>
      <comment>32773</comment>
      <translation>&amp;Ranking</translation>
    </message>
    <message>
      <source>ｸﾞﾗﾌ(&amp;G)</source>
      <comment>32776</comment>
      <translation>&amp;Graph</translation>
    </message>
    <message>
      <source>ｵﾌﾟｼｮﾝ(&amp;O)</source>
      <comment>32775</comment>
      <translation>&amp;Options</translation>
    </message>
    <message>
      <source>ｹﾞｰﾑの終了(&amp;X)</source>
      <comment>57665</comment>
      <translation>E&amp;xit</translation>
    </message>
    <message>
      <source>ﾍﾙﾌﾟ(&amp;H)</source>
      <comment>popup</comment>
      <translation>&amp;Help</translation>
    </message>
    <message>
      <source>ﾊﾞｰｼﾞｮﾝ情報(&amp;A)</source>
      <comment>57664</comment>
      <translation>&amp;About ZORMade</translation>
    </message>
  </context>
  <context>
    <name>template 100</name>
    <message>
      <source>ﾊﾞｰｼﾞｮﾝ情報</source>
      <comment>caption</comment>
      <translation>About ZORMade</translation>
    </message>
    <message>
      <source>ZORMADE のアイコン</source>
      <comment>#0 label</comment>
      <translation>ZORMADE icon</translation>
    </message>
    <message>
      <source>ZORMade Version 0.1</source>
      <comment>#1 text</comment>
      <translation>ZORMade Version 0.1</translation>
    </message>
    <message>
      <source>OK</source>
      <comment>1 text</comment>
      <translation>OK</translation>
    </message>
  </context>
  <context>
    <name>template 101</name>
    <message>
      <source>ＨＩＶ患者数</source>
      <comment>#0 text</comment>
      <translation>HIV patients</translation>
    </message>
    <message>
      <source>体力</source>
      <comment>#1 text</comment>
      <translation>Nerve</translation>
    </message>
    <message>
      <source>厚生省疑惑</source>
      <comment>#2 text</comment>
      <translation>Suspicion</translation>
    </message>
    <message>
      <source>ナガレ薬研信頼</source>
      <comment>#3 text</comment>
      <translation>Nagare's trust</translation>
    </message>
    <message>
      <source>所持金</source>
      <comment>#4 text</comment>
      <translation>Money</translation>
    </message>
    <message>
      <source>鵺田君パワー</source>
      <comment>#5 text</comment>
      <translation>Nueda's power</translation>
    </message>
    <message>
      <source>体力</source>
      <comment>1001 label</comment>
      <translation>Nerve</translation>
    </message>
    <message>
      <source>体力。毎月のコマンドで減っていく。
0を下回ると捕まる。</source>
      <comment>1001 tip</comment>
      <translation>Nerve. Every month's commands wear it down.
Below 0, you are caught.</translation>
    </message>
    <message>
      <source>ナガレ薬研信頼</source>
      <comment>1002 label</comment>
      <translation>Nagare's trust</translation>
    </message>
    <message>
      <source>ナガレ薬研の信頼。
高いほど大きな要求額が通る。</source>
      <comment>1002 tip</comment>
      <translation>Nagare Pharmaceutical's trust.
The higher it is, the larger the demands it meets.</translation>
    </message>
    <message>
      <source>鵺田君パワー</source>
      <comment>1005 label</comment>
      <translation>Nueda's power</translation>
    </message>
    <message>
      <source>鵺田君パワー。患者が多いほど強まる。
5000を超えると捕まる。</source>
      <comment>1005 tip</comment>
      <translation>Nueda's power. The more patients, the stronger it grows.
Above 5000, you are caught.</translation>
    </message>
    <message>
      <source>厚生省疑惑</source>
      <comment>1006 label</comment>
      <translation>Ministry's suspicion</translation>
    </message>
    <message>
      <source>厚生省の疑惑。投与で強まり、献金で弱まる。
5000を超えると捕まる。</source>
      <comment>1006 tip</comment>
      <translation>The Ministry's suspicion. Dosing raises it; donations lower it.
Above 5000, you are caught.</translation>
    </message>
    <message>
      <source>円</source>
      <comment>#10 text</comment>
      <translation>yen</translation>
    </message>
    <message>
      <source>人</source>
      <comment>#11 text</comment>
      <translation>people</translation>
    </message>
    <message>
      <source>年</source>
      <comment>#12 text</comment>
      <translation>Y</translation>
    </message>
    <message>
      <source>所持金</source>
      <comment>1015 label</comment>
      <translation>Money</translation>
    </message>
    <message>
      <source>所持金。逃げ切れば、7578円ごとに1点になる。
要求額で増え、献金と投資で減る。</source>
      <comment>1015 tip</comment>
      <translation>Money. If you get away, every 7,578 yen is worth 1 point.
Demands raise it; donations and spending lower it.</translation>
    </message>
    <message>
      <source>ＨＩＶ患者数</source>
      <comment>1016 label</comment>
      <translation>HIV patients</translation>
    </message>
    <message>
      <source>ＨＩＶ患者数。逃げ切れば、1人ごとに0.88点になる。
増えるほど鵺田君パワーも強まる。</source>
      <comment>1016 tip</comment>
      <translation>HIV patients. If you get away, each patient counts as 0.88 points.
The more there are, the stronger Nueda's power grows.</translation>
    </message>
    <message>
      <source>月</source>
      <comment>#15 text</comment>
      <translation>M</translation>
    </message>
    <message>
      <source>月</source>
      <comment>1017 label</comment>
      <translation>Month</translation>
    </message>
    <message>
      <source>年</source>
      <comment>1018 label</comment>
      <translation>Year</translation>
    </message>
    <message>
      <source>ステータス</source>
      <comment>#18 text</comment>
      <translation>Status</translation>
    </message>
    <message>
      <source>コマンド</source>
      <comment>#19 text</comment>
      <translation>Commands</translation>
    </message>
    <message>
      <source>メッセージ</source>
      <comment>1041 text</comment>
      <translation>Messages</translation>
    </message>
    <message>
      <source>患者への投与</source>
      <comment>1020 label</comment>
      <translation>Dosing patients</translation>
    </message>
    <message>
      <source>患者が増え、ナガレ薬研の信頼が上がるが、
厚生省の疑惑も強まる。毎月、体力を使う。
同じ量を4か月続けると患者の伸びが落ち、
5か月続けると止まる。量を変えれば戻る。</source>
      <comment>1020 tip</comment>
      <translation>Patients increase and Nagare's trust rises,
but so does the Ministry's suspicion. Costs nerve monthly.
The same dose four months running slows the rise in patients;
five months running stops it. Changing the dose restores it.</translation>
    </message>
    <message>
      <source>厚生省へ献金</source>
      <comment>1021 label</comment>
      <translation>Gifts to officials</translation>
    </message>
    <message>
      <source>厚生省の疑惑を抑える。所持金が尽きると効かない。
毎月、所持金と体力を使い、ナガレ薬研の信頼も減る。</source>
      <comment>1021 tip</comment>
      <translation>Holds the Ministry's suspicion down. Useless once the money runs out.
Costs money and nerve monthly, and Nagare's trust falls too.</translation>
    </message>
    <message>
      <source>ﾅｶﾞﾚ薬研要求額</source>
      <comment>1022 label</comment>
      <translation>Demands on Nagare</translation>
    </message>
    <message>
      <source>ナガレ薬研から金を引き出す。毎月、体力を使う。
信頼が足りなければ一円も出ない。</source>
      <comment>1022 tip</comment>
      <translation>Draws money out of Nagare Pharmaceutical. Costs nerve monthly.
Without enough trust, not one yen is paid.</translation>
    </message>
    <message>
      <source>鵺田君対策へ投資</source>
      <comment>1023 label</comment>
      <translation>Spending on Nueda</translation>
    </message>
    <message>
      <source>鵺田君パワーを削る。
毎月、所持金と体力を使い、ナガレ薬研の信頼も減る。</source>
      <comment>1023 tip</comment>
      <translation>Cuts Nueda's power down.
Costs money and nerve monthly, and Nagare's trust falls too.</translation>
    </message>
    <message>
      <source>患者への投与</source>
      <comment>#25 text</comment>
      <translation>Dosing patients</translation>
    </message>
    <message>
      <source>厚生省へ献金</source>
      <comment>#26 text</comment>
      <translation>Gifts to officials</translation>
    </message>
    <message>
      <source>ﾅｶﾞﾚ薬研要求額</source>
      <comment>#27 text</comment>
      <translation>Demands on Nagare</translation>
    </message>
    <message>
      <source>鵺田君対策へ投資</source>
      <comment>#28 text</comment>
      <translation>Spending on Nueda</translation>
    </message>
    <message>
      <source>大</source>
      <comment>#29 text</comment>
      <translation>Hi</translation>
    </message>
    <message>
      <source>小</source>
      <comment>#30 text</comment>
      <translation>Lo</translation>
    </message>
    <message>
      <source>メッセージ</source>
      <comment>1026 label</comment>
      <translation>Messages</translation>
    </message>
  </context>
  <context>
    <name>template 130</name>
    <message>
      <source>タイトル画面</source>
      <comment>1000 label</comment>
      <translation>Title screen</translation>
    </message>
  </context>
  <context>
    <name>template 131</name>
    <message>
      <source>RANKING</source>
      <comment>caption</comment>
      <translation>RANKING</translation>
    </message>
    <message>
      <source>OK</source>
      <comment>1 text</comment>
      <translation>OK</translation>
    </message>
    <message>
      <source>1</source>
      <comment>#1 text</comment>
      <translation>1</translation>
    </message>
    <message>
      <source>2</source>
      <comment>#2 text</comment>
      <translation>2</translation>
    </message>
    <message>
      <source>3</source>
      <comment>#3 text</comment>
      <translation>3</translation>
    </message>
    <message>
      <source>4</source>
      <comment>#4 text</comment>
      <translation>4</translation>
    </message>
    <message>
      <source>5</source>
      <comment>#5 text</comment>
      <translation>5</translation>
    </message>
    <message>
      <source>RANK</source>
      <comment>#6 text</comment>
      <translation>RANK</translation>
    </message>
    <message>
      <source>POINT</source>
      <comment>#7 text</comment>
      <translation>SCORE</translation>
    </message>
    <message>
      <source>NAME</source>
      <comment>#8 text</comment>
      <translation>NAME</translation>
    </message>
    <message>
      <source>RANK 1 POINT</source>
      <comment>1027 label</comment>
      <translation>Rank 1 score</translation>
    </message>
    <message>
      <source>RANK 2 POINT</source>
      <comment>1028 label</comment>
      <translation>Rank 2 score</translation>
    </message>
    <message>
      <source>RANK 3 POINT</source>
      <comment>1029 label</comment>
      <translation>Rank 3 score</translation>
    </message>
    <message>
      <source>RANK 4 POINT</source>
      <comment>1030 label</comment>
      <translation>Rank 4 score</translation>
    </message>
    <message>
      <source>RANK 5 POINT</source>
      <comment>1015 label</comment>
      <translation>Rank 5 score</translation>
    </message>
    <message>
      <source>RANK 1 NAME</source>
      <comment>1016 label</comment>
      <translation>Rank 1 name</translation>
    </message>
    <message>
      <source>RANK 2 NAME</source>
      <comment>1017 label</comment>
      <translation>Rank 2 name</translation>
    </message>
    <message>
      <source>RANK 3 NAME</source>
      <comment>1018 label</comment>
      <translation>Rank 3 name</translation>
    </message>
    <message>
      <source>RANK 4 NAME</source>
      <comment>1031 label</comment>
      <translation>Rank 4 name</translation>
    </message>
    <message>
      <source>RANK 5 NAME</source>
      <comment>1032 label</comment>
      <translation>Rank 5 name</translation>
    </message>
  </context>
  <context>
    <name>template 134</name>
    <message>
      <source>EVENT</source>
      <comment>caption</comment>
      <translation>EVENT</translation>
    </message>
    <message>
      <source>イベントの絵</source>
      <comment>1040 label</comment>
      <translation>Event picture</translation>
    </message>
    <message>
      <source>選択肢</source>
      <comment>1026 label</comment>
      <translation>Answers</translation>
    </message>
    <message>
      <source>質問</source>
      <comment>1027 label</comment>
      <translation>Question</translation>
    </message>
    <message>
      <source>選択肢</source>
      <comment>#3 text</comment>
      <translation>Answers</translation>
    </message>
    <message>
      <source>決定</source>
      <comment>1 text</comment>
      <translation>Decide</translation>
    </message>
  </context>
  <context>
    <name>template 138</name>
    <message>
      <source>RANK IN!!</source>
      <comment>caption</comment>
      <translation>HIGH SCORE!!</translation>
    </message>
    <message>
      <source>OK</source>
      <comment>1 text</comment>
      <translation>OK</translation>
    </message>
    <message>
      <source>Point</source>
      <comment>1027 label</comment>
      <translation>Score</translation>
    </message>
    <message>
      <source>Rank</source>
      <comment>1028 label</comment>
      <translation>Rank</translation>
    </message>
    <message>
      <source>Enter your name</source>
      <comment>1029 label</comment>
      <translation>Enter your name</translation>
    </message>
    <message>
      <source>Enter your name</source>
      <comment>#4 text</comment>
      <translation>Enter your name</translation>
    </message>
    <message>
      <source>Point</source>
      <comment>#5 text</comment>
      <translation>Score</translation>
    </message>
    <message>
      <source>  Rank</source>
      <comment>#6 text</comment>
      <translation>  Rank</translation>
    </message>
  </context>
  <context>
    <name>template 139</name>
    <message>
      <source>END</source>
      <comment>caption</comment>
      <translation>END</translation>
    </message>
    <message>
      <source>OK</source>
      <comment>1 text</comment>
      <translation>OK</translation>
    </message>
    <message>
      <source>結末の絵</source>
      <comment>1040 label</comment>
      <translation>Ending picture</translation>
    </message>
    <message>
      <source>結果</source>
      <comment>1027 label</comment>
      <translation>Result</translation>
    </message>
    <message>
      <source>メッセージ</source>
      <comment>1028 label</comment>
      <translation>Message</translation>
    </message>
  </context>
  <context>
    <name>template 150</name>
    <message>
      <source>OPTION</source>
      <comment>caption</comment>
      <translation>OPTIONS</translation>
    </message>
    <message>
      <source>OK</source>
      <comment>1 text</comment>
      <translation>OK</translation>
    </message>
    <message>
      <source>ｷｬﾝｾﾙ</source>
      <comment>2 text</comment>
      <translation>Cancel</translation>
    </message>
    <message>
      <source>ｵ-ﾌﾟﾆﾝｸﾞのﾀｲﾄﾙCGを省く</source>
      <comment>1033 text</comment>
      <translation>Skip the title screen</translation>
    </message>
    <message>
      <source>難易度</source>
      <comment>#3 text</comment>
      <translation>Difficulty</translation>
    </message>
    <message>
      <source>ｹﾞｰﾑｽﾋﾟｰﾄﾞ</source>
      <comment>#4 text</comment>
      <translation>Game speed</translation>
    </message>
    <message>
      <source>激辛</source>
      <comment>1034 text</comment>
      <translation>Fiery</translation>
    </message>
    <message>
      <source>辛い</source>
      <comment>1035 text</comment>
      <translation>Hot</translation>
    </message>
    <message>
      <source>普通</source>
      <comment>1036 text</comment>
      <translation>Mild</translation>
    </message>
    <message>
      <source>超高速</source>
      <comment>1037 text</comment>
      <translation>Turbo</translation>
    </message>
    <message>
      <source>高速</source>
      <comment>1038 text</comment>
      <translation>Fast</translation>
    </message>
    <message>
      <source>普通</source>
      <comment>1039 text</comment>
      <translation>Normal</translation>
    </message>
  </context>
  <context>
    <name>template 160</name>
    <message>
      <source>ZORMADE</source>
      <comment>caption</comment>
      <translation>ZORMADE</translation>
    </message>
    <message>
      <source>OK</source>
      <comment>1 text</comment>
      <translation>OK</translation>
    </message>
    <message>
      <source>ブリーフィングの絵</source>
      <comment>#1 label</comment>
      <translation>Briefing picture</translation>
    </message>
    <message>
      <source>ZORMADE Version 0.1</source>
      <comment>#2 text</comment>
      <translation>ZORMADE Version 0.1</translation>
    </message>
    <message>
      <source>研究班の医師よ、1996年12月まで
ナガレ薬研と私腹を肥やし、逃げ切れ。
敵は厚生省と、正義を掲げる鵺田君。
投与は会社の、献金は厚生省のため。
要求額は懐の、投資は鵺田君対策だ。
どれも毎月体力を削り、尽きれば逮捕。</source>
      <comment>#3 text</comment>
      <translation>Doctor, get rich with Nagare and
stay free until December 1996.
Foes: the Ministry; upright Nueda.
Dose for Nagare, pay the Ministry,
demand your cut, fight Nueda.
All cost nerve; run out: arrest.</translation>
    </message>
    <message>
      <source>敵のゲージが振り切れても逮捕だ。
覚悟はいいか？　下のOKで開始だ。</source>
      <comment>#4 text</comment>
      <translation>Max out a foe's gauge: arrest too.
Ready? Press OK below to begin.</translation>
    </message>
  </context>
  <context>
    <name>template 170</name>
    <message>
      <source>GRAPH</source>
      <comment>caption</comment>
      <translation>GRAPH</translation>
    </message>
    <message>
      <source>OK</source>
      <comment>1 text</comment>
      <translation>OK</translation>
    </message>
    <message>
      <source>体力・信頼・鵺田君パワー・厚生省疑惑のグラフ</source>
      <comment>1050 label</comment>
      <translation>Chart of nerve, Nagare's trust, Nueda's power and the Ministry's suspicion</translation>
    </message>
    <message>
      <source>所持金と患者数のグラフ</source>
      <comment>1051 label</comment>
      <translation>Chart of money and HIV patients</translation>
    </message>
    <message>
      <source>結末</source>
      <comment>1052 text</comment>
      <translation>Outcome</translation>
    </message>
    <message>
      <source>イベントと選んだ答え</source>
      <comment>1053 label</comment>
      <translation>Events and the answers chosen</translation>
    </message>
  </context>
  <context>
    <name>events</name>
    <message>
      <source>厚生省から電話だ。
「先生、海外の研究報告はもうご覧に？」</source>
      <comment>0 prompt</comment>
      <translation>The Ministry is on the phone.
"Doctor, have you seen the overseas report?"</translation>
    </message>
    <message>
      <source>１．「すでに把握しております」と即答する</source>
      <comment>0 answer 1</comment>
      <translation>1. Reply at once: "We are fully aware of it."</translation>
    </message>
    <message>
      <source>厚生省は胸をなで下ろしたようだ。
把握したのは電話の後だが、些細なことだ。</source>
      <comment>0 result 1</comment>
      <translation>The Ministry sounded relieved.
That you became aware of it after the call is a detail.</translation>
    </message>
    <message>
      <source>２．「目を通しておきます」とだけ答える</source>
      <comment>0 answer 2</comment>
      <translation>2. Say only, "I shall look it over."</translation>
    </message>
    <message>
      <source>電話は短く済んだ。
目を通す予定は、今のところない。</source>
      <comment>0 result 2</comment>
      <translation>The call was brief.
There are, at present, no plans to look it over.</translation>
    </message>
    <message>
      <source>３．「そんな報告は届いていない」ととぼける</source>
      <comment>0 answer 3</comment>
      <translation>3. Play innocent: "No such report reached me."</translation>
    </message>
    <message>
      <source>受話器を置いてひと息ついたが、
翌朝、同じ電話がもう一度かかってきた。</source>
      <comment>0 result 3</comment>
      <translation>You put down the receiver and breathed out.
The next morning, the same call came again.</translation>
    </message>
    <message>
      <source>４．英文の報告書を自分で読み込む</source>
      <comment>0 answer 4</comment>
      <translation>4. Read the English original yourself</translation>
    </message>
    <message>
      <source>辞書を引くたびに、顔色が悪くなった。
読むほどに眠れなくなる報告だった。</source>
      <comment>0 result 4</comment>
      <translation>Each trip to the dictionary left you a shade paler.
The further you read, the less you slept.</translation>
    </message>
    <message>
      <source>加熱製剤への切り替えを求める提案が出た。
ナガレ薬研の倉庫には在庫が山積みだ。</source>
      <comment>1 prompt</comment>
      <translation>Proposed: switch to heat-treated concentrate.
Nagare's warehouse is stacked to the rafters.</translation>
    </message>
    <message>
      <source>１．「時期尚早」と会議で反対する</source>
      <comment>1 answer 1</comment>
      <translation>1. Oppose it in committee: "Premature."</translation>
    </message>
    <message>
      <source>在庫を抱えるナガレ薬研は大喜び。
あなたへの信頼が増した。</source>
      <comment>1 result 1</comment>
      <translation>Nagare, with a warehouse to empty, is delighted.
Its trust in you has grown.</translation>
    </message>
    <message>
      <source>２．結論を次の会議に先送りする</source>
      <comment>1 answer 2</comment>
      <translation>2. Defer the decision to the next meeting</translation>
    </message>
    <message>
      <source>先送りの間も非加熱製剤は使われ、新たに1人が感染した。
厚生省も首をかしげている。</source>
      <comment>1 result 2</comment>
      <translation>The unheated concentrate stayed in use while you waited.
One more person was infected. The Ministry wonders why.</translation>
    </message>
    <message>
      <source>３．両論併記の報告書をまとめる</source>
      <comment>1 answer 3</comment>
      <translation>3. Draft a report that states both views</translation>
    </message>
    <message>
      <source>玉虫色の文言探しで一日が暮れた。
どちらとも読める名文ができた。</source>
      <comment>1 result 3</comment>
      <translation>A day spent hunting for wording of the right vagueness.
A fine piece of prose, readable either way.</translation>
    </message>
    <message>
      <source>４．会社の誘いに応じ、割り勘で飲む</source>
      <comment>1 answer 4</comment>
      <translation>4. Drink with Nagare, but split the bill</translation>
    </message>
    <message>
      <source>割り勘にこだわった分、1万円が出ていった。
「律儀な先生だ」と、ナガレ薬研の覚えはめでたい。</source>
      <comment>1 result 4</comment>
      <translation>Insisting on paying your share cost you 10,000 yen.
"Such a scrupulous Doctor," says Nagare, approvingly.</translation>
    </message>
    <message>
      <source>原告の一人が亡くなった。
判決を聞くことはかなわなかった。</source>
      <comment>2 prompt</comment>
      <translation>One of the plaintiffs has died.
He did not live to hear the verdict.</translation>
    </message>
    <message>
      <source>１．香典を包んで弔問に出向く</source>
      <comment>2 answer 1</comment>
      <translation>1. Take condolence money to the family</translation>
    </message>
    <message>
      <source>香典に10万円を包んだ。会社はそれを業界の誠意と吹聴し、
あなたも少し気が軽くなった。</source>
      <comment>2 result 1</comment>
      <translation>You enclosed 100,000 yen. Nagare trumpeted it
as the industry's good faith. You felt a little lighter.</translation>
    </message>
    <message>
      <source>２．弔電と供花を手配する</source>
      <comment>2 answer 2</comment>
      <translation>2. Send a condolence telegram and flowers</translation>
    </message>
    <message>
      <source>供花代に1万円。会社は無難な対応に満足し、
鵺田君も付け入る隙を失った。</source>
      <comment>2 result 2</comment>
      <translation>10,000 yen for flowers. Nagare liked the safe choice,
and Nueda found nothing to take hold of.</translation>
    </message>
    <message>
      <source>３．「因果関係は不明」との談話を出す</source>
      <comment>2 answer 3</comment>
      <translation>3. State: "The causal link is unclear."</translation>
    </message>
    <message>
      <source>厚生省は同じ見解に安堵した。
遺族には冷たすぎる言葉で、筆は重かった。</source>
      <comment>2 result 3</comment>
      <translation>The Ministry, of the same view, was relieved.
Cold words for a grieving family; they came slowly.</translation>
    </message>
    <message>
      <source>４．黙祷し、資料を読み直す</source>
      <comment>2 answer 4</comment>
      <translation>4. Keep a moment's silence; reread the papers</translation>
    </message>
    <message>
      <source>亡くなった方の無念を思い、手が止まった。
資料は何度読んでも同じことを語っていた。</source>
      <comment>2 result 4</comment>
      <translation>You thought of all he was denied. Your hand stopped.
Each time you read them, the papers said the same thing.</translation>
    </message>
    <message>
      <source>東京で第三次訴訟が起こされた。
被告席にはナガレ薬研と国が並ぶ。</source>
      <comment>3 prompt</comment>
      <translation>A third lawsuit is filed in Tokyo.
Defendants: Nagare, and the State beside it.</translation>
    </message>
    <message>
      <source>１．弁護士に相談料を払って対策を練る</source>
      <comment>3 answer 1</comment>
      <translation>1. Pay a lawyer to plan your defence</translation>
    </message>
    <message>
      <source>相談料に1万円。中身のない助言だった。</source>
      <comment>3 result 1</comment>
      <translation>10,000 yen bought advice with nothing in it.</translation>
    </message>
    <message>
      <source>２．「コメントは差し控える」で通す</source>
      <comment>3 answer 2</comment>
      <translation>2. Stand firm on "No comment."</translation>
    </message>
    <message>
      <source>厚生省はあなたの沈黙に不審を抱き始めた。</source>
      <comment>3 result 2</comment>
      <translation>The Ministry has begun to wonder about your silence.</translation>
    </message>
    <message>
      <source>３．裁判は気にせず製剤の使用を続ける</source>
      <comment>3 answer 3</comment>
      <translation>3. Ignore the case; keep using the concentrate</translation>
    </message>
    <message>
      <source>気は楽になったが、新たに20人が感染した。
鵺田君は支援集会で、その数を読み上げた。</source>
      <comment>3 result 3</comment>
      <translation>You felt easier. Twenty more people were infected.
At a support rally, Nueda read out the number.</translation>
    </message>
    <message>
      <source>４．自ら反論資料を作り込む</source>
      <comment>3 answer 4</comment>
      <translation>4. Compile a rebuttal yourself, in full</translation>
    </message>
    <message>
      <source>反論資料は三百頁に達した。誰も読まない。
その間に鵺田君が勢力を伸ばした。</source>
      <comment>3 result 4</comment>
      <translation>It ran to three hundred pages. No one will read it.
Meanwhile, Nueda gained ground.</translation>
    </message>
    <message>
      <source>新しい大臣が就任した。
「政治には何かと物入りでね」</source>
      <comment>4 prompt</comment>
      <translation>A new Minister has taken office.
"Politics has its expenses, you understand."</translation>
    </message>
    <message>
      <source>１．10万円を献金する</source>
      <comment>4 answer 1</comment>
      <translation>1. Donate 100,000 yen</translation>
    </message>
    <message>
      <source>10万円が消えた。
厚生省の目つきが、少し柔らかくなった。</source>
      <comment>4 result 1</comment>
      <translation>100,000 yen vanished.
The Ministry's gaze softened a little.</translation>
    </message>
    <message>
      <source>２．献金の話を聞き流す</source>
      <comment>4 answer 2</comment>
      <translation>2. Let the talk of donations pass unheard</translation>
    </message>
    <message>
      <source>大臣は不機嫌だ。
翌週、研究班の予算書が赤線だらけで戻ってきた。</source>
      <comment>4 result 2</comment>
      <translation>The Minister is displeased.
A week later the group's budget came back in red ink.</translation>
    </message>
    <message>
      <source>３．会社に献金の肩代わりを頼む</source>
      <comment>4 answer 3</comment>
      <translation>3. Ask Nagare to pay the donation for you</translation>
    </message>
    <message>
      <source>ナガレ薬研は渋い顔をした。下げた頭は無駄になった。
妙な頼み事は、厚生省の耳にも入ったらしい。</source>
      <comment>4 result 3</comment>
      <translation>Nagare grimaced. You had bowed your head for nothing.
The odd request seems to have reached the Ministry too.</translation>
    </message>
    <message>
      <source>４．挨拶回りだけで済ませる</source>
      <comment>4 answer 4</comment>
      <translation>4. Make courtesy calls, and nothing more</translation>
    </message>
    <message>
      <source>足を棒にして、名刺だけが減った。
手ぶらの挨拶に、厚生省は首をかしげている。</source>
      <comment>4 result 4</comment>
      <translation>Sore feet, and a thinner stack of business cards.
Empty-handed calls leave the Ministry wondering.</translation>
    </message>
    <message>
      <source>大阪で第六次訴訟が起こされた。
原告団は回を追うごとに大きくなる。</source>
      <comment>5 prompt</comment>
      <translation>A sixth lawsuit is filed in Osaka.
The plaintiffs grow in number with each suit.</translation>
    </message>
    <message>
      <source>１．大阪まで出向いて傍聴する</source>
      <comment>5 answer 1</comment>
      <translation>1. Go to Osaka and sit in the public gallery</translation>
    </message>
    <message>
      <source>新幹線の往復で腰が痛む。留守の間に鵺田君が動き、
厚生省は「なぜ傍聴に」と首をひねっている。</source>
      <comment>5 result 1</comment>
      <translation>The bullet train hurt your back, and while you were away
Nueda got busy. The Ministry wonders why you went.</translation>
    </message>
    <message>
      <source>２．裁判記録だけ取り寄せる</source>
      <comment>5 answer 2</comment>
      <translation>2. Send for the court records only</translation>
    </message>
    <message>
      <source>分厚い記録を読むのに骨が折れた。</source>
      <comment>5 result 2</comment>
      <translation>The records were thick; reading them was hard work.</translation>
    </message>
    <message>
      <source>３．何もせず、出荷停止も進言しない</source>
      <comment>5 answer 3</comment>
      <translation>3. Do nothing; don't advise halting shipments</translation>
    </message>
    <message>
      <source>止める声は上がらず、出荷は続いた。
新たに40人が感染した。</source>
      <comment>5 result 3</comment>
      <translation>No one spoke up to stop them. Shipments continued.
Forty more people were infected.</translation>
    </message>
    <message>
      <source>４．会社抜きで厚生省と口裏を合わせる</source>
      <comment>5 answer 4</comment>
      <translation>4. Agree a story with the Ministry, not Nagare</translation>
    </message>
    <message>
      <source>厚生省は喜んだが、蚊帳の外のナガレ薬研は不満顔だ。
口裏は合ったが、胃が痛い。</source>
      <comment>5 result 4</comment>
      <translation>The Ministry is pleased; Nagare, left out, is sulking.
The stories agree. Your stomach does not.</translation>
    </message>
    <message>
      <source>東京で第四次訴訟が起こされた。
原告側は証拠集めに本腰を入れている。</source>
      <comment>6 prompt</comment>
      <translation>A fourth lawsuit is filed in Tokyo.
The plaintiffs now gather evidence in earnest.</translation>
    </message>
    <message>
      <source>１．会社の責任を示す資料を漏らす</source>
      <comment>6 answer 1</comment>
      <translation>1. Leak papers showing the company's liability</translation>
    </message>
    <message>
      <source>会社の信頼を失い、厚生省も情報源を探っている。
気の休まらない日々だ。</source>
      <comment>6 result 1</comment>
      <translation>Nagare's trust drops; the Ministry hunts for the leak.
There is no rest to be had.</translation>
    </message>
    <message>
      <source>２．会社と厚生省の間を取り持つ</source>
      <comment>6 answer 2</comment>
      <translation>2. Broker between Nagare and the Ministry</translation>
    </message>
    <message>
      <source>仲介料に20万円を受け取った。省の課長には礼まで言われたが、
板挟みで神経がすり減った。</source>
      <comment>6 result 2</comment>
      <translation>A 200,000 yen fee, and thanks from the section chief,
but caught between the two, your nerves wore thin.</translation>
    </message>
    <message>
      <source>３．静観し、回収の進言も見送る</source>
      <comment>6 answer 3</comment>
      <translation>3. Wait and see; do not advise a recall</translation>
    </message>
    <message>
      <source>回収を言い出す者はなく、新たに30人が感染した。
省内の会議で、あなたの席は末席に移された。</source>
      <comment>6 result 3</comment>
      <translation>No one urged a recall. Thirty more people were infected.
Your seat at Ministry meetings moved to the far end.</translation>
    </message>
    <message>
      <source>４．会社の答弁書づくりを手伝う</source>
      <comment>6 answer 4</comment>
      <translation>4. Help Nagare draft its statement of defence</translation>
    </message>
    <message>
      <source>答弁書は立派に仕上がった。
残業代は、どこからも出ない。</source>
      <comment>6 result 4</comment>
      <translation>The defence came out handsomely.
No one is paying for the overtime.</translation>
    </message>
    <message>
      <source>非加熱製剤による感染の危険性が
学会で指摘された。</source>
      <comment>7 prompt</comment>
      <translation>At a medical congress, someone has raised
the infection risk of unheated concentrate.</translation>
    </message>
    <message>
      <source>１．「危険性は低い」と反論文を書く</source>
      <comment>7 answer 1</comment>
      <translation>1. Write a rebuttal: "The risk is low."</translation>
    </message>
    <message>
      <source>反論文は書くほど長くなり、根拠は短くなった。
掲載された日から、省の担当者の電話が途絶えた。</source>
      <comment>7 result 1</comment>
      <translation>The longer the rebuttal grew, the shorter its evidence.
From the day it ran, the Ministry's man stopped calling.</translation>
    </message>
    <message>
      <source>２．会社の講演会で安全性を説く</source>
      <comment>7 answer 2</comment>
      <translation>2. Vouch for its safety at a Nagare lecture</translation>
    </message>
    <message>
      <source>講演料に1万円が入った。
厚生省は「専門家のお墨付き」に安堵している。</source>
      <comment>7 result 2</comment>
      <translation>The lecture fee was 10,000 yen.
The Ministry is relieved to have an expert's blessing.</translation>
    </message>
    <message>
      <source>３．「追加調査をする」と時間を稼ぐ</source>
      <comment>7 answer 3</comment>
      <translation>3. Buy time: "Further study is needed."</translation>
    </message>
    <message>
      <source>調査の段取りを決める会議の段取りで、半月が過ぎた。
厚生省は引き延ばしに気付いている。</source>
      <comment>7 result 3</comment>
      <translation>Planning the meeting to plan the study took a fortnight.
The Ministry has noticed the stalling.</translation>
    </message>
    <message>
      <source>４．自費で医療機関に注意文書を送る</source>
      <comment>7 answer 4</comment>
      <translation>4. Send hospitals a warning, at your own cost</translation>
    </message>
    <message>
      <source>郵送費と印刷代に4万円。
ナガレ薬研は「余計なことを」と不快感を示した。</source>
      <comment>7 result 4</comment>
      <translation>Postage and printing: 40,000 yen.
Nagare made its displeasure known: "Uncalled for."</translation>
    </message>
    <message>
      <source>大阪で第七次訴訟が起こされた。
あなたを証人に呼ぶという噂もある。</source>
      <comment>8 prompt</comment>
      <translation>A seventh lawsuit is filed in Osaka.
Rumour has it you will be called as a witness.</translation>
    </message>
    <message>
      <source>１．証人として出廷し、一部を認める</source>
      <comment>8 answer 1</comment>
      <translation>1. Take the stand and admit part of it</translation>
    </message>
    <message>
      <source>証言台の三時間は長かった。会社は裏切りと受け取り、
厚生省も身構えた。鵺田君は傍聴席でメモを取り続けた。</source>
      <comment>8 result 1</comment>
      <translation>Three hours on the stand were long. Nagare saw betrayal;
the Ministry braced itself. Nueda took notes throughout.</translation>
    </message>
    <message>
      <source>２．法廷戦術の会議に付き合う</source>
      <comment>8 answer 2</comment>
      <translation>2. Sit through the legal strategy meetings</translation>
    </message>
    <message>
      <source>会議は踊り、結論は出なかった。
鵺田君は同じ日の夕刊に談話を載せた。</source>
      <comment>8 result 2</comment>
      <translation>The conference danced, but did not advance.
Nueda was quoted in that day's evening papers.</translation>
    </message>
    <message>
      <source>３．「様子を見る」と言って休暇を取る</source>
      <comment>8 answer 3</comment>
      <translation>3. Say "Let's wait and see" and take leave</translation>
    </message>
    <message>
      <source>休んで気は晴れたが、その間に新たに20人が感染した。
休み明けの机には、省からの呼び出しのメモが三枚あった。</source>
      <comment>8 result 3</comment>
      <translation>A rest did you good. Twenty more people were infected.
On your desk: three memos summoning you to the Ministry.</translation>
    </message>
    <message>
      <source>４．担当を部下に押しつける</source>
      <comment>8 answer 4</comment>
      <translation>4. Hand the matter to a subordinate</translation>
    </message>
    <message>
      <source>担当は部下に移った。
責任の所在も、ついでに移った。</source>
      <comment>8 result 4</comment>
      <translation>The matter passed to your subordinate.
So, in passing, did the responsibility.</translation>
    </message>
    <message>
      <source>大阪で第八次訴訟が起こされた。
法廷の外では支援者が声を上げている。</source>
      <comment>9 prompt</comment>
      <translation>An eighth lawsuit is filed in Osaka.
Supporters outside the court are speaking out.</translation>
    </message>
    <message>
      <source>１．口の堅い弁護士を高額で雇う</source>
      <comment>9 answer 1</comment>
      <translation>1. Hire a discreet lawyer at a high fee</translation>
    </message>
    <message>
      <source>着手金に10万円。高い弁護士を雇ったことで、
厚生省は「何を隠しているのか」と勘ぐった。</source>
      <comment>9 result 1</comment>
      <translation>A 100,000 yen retainer. The expensive lawyer
made the Ministry wonder what you had to hide.</translation>
    </message>
    <message>
      <source>２．温泉に出かけて雲隠れする</source>
      <comment>9 answer 2</comment>
      <translation>2. Vanish to a hot-spring resort</translation>
    </message>
    <message>
      <source>湯につかって英気を養った。
姿を消したことで、かえって厚生省の目を引いた。</source>
      <comment>9 result 2</comment>
      <translation>You soaked, and your spirits were restored.
Your disappearance only drew the Ministry's eye.</translation>
    </message>
    <message>
      <source>３．製剤の安全を訴えて全国を回る</source>
      <comment>9 answer 3</comment>
      <translation>3. Tour the country vouching for its safety</translation>
    </message>
    <message>
      <source>講演は全国二十か所を数えた。
その言葉を信じて使われた製剤で、新たに40人が感染した。</source>
      <comment>9 result 3</comment>
      <translation>You vouched for it in twenty towns across the country.
Used on your word, it infected forty more people.</translation>
    </message>
    <message>
      <source>４．過去の書類を「整理」する</source>
      <comment>9 answer 4</comment>
      <translation>4. "Tidy up" the old files</translation>
    </message>
    <message>
      <source>「整理」は三日がかりだった。
焼却炉の番も楽ではない。</source>
      <comment>9 result 4</comment>
      <translation>The "tidying" took three days.
Minding an incinerator is harder than it looks.</translation>
    </message>
    <message>
      <source>非加熱製剤の投与を受けた患者で
感染率が最も高いとする報告が出た。</source>
      <comment>10 prompt</comment>
      <translation>A report finds the highest infection rate
among patients given unheated concentrate.</translation>
    </message>
    <message>
      <source>１．報告を「一研究者の見解」と片づける</source>
      <comment>10 answer 1</comment>
      <translation>1. Dismiss it as "one researcher's opinion"</translation>
    </message>
    <message>
      <source>その言い回しは、翌週の大臣答弁にそのまま使われた。</source>
      <comment>10 result 1</comment>
      <translation>Next week the Minister said it, verbatim, in the Diet.</translation>
    </message>
    <message>
      <source>２．報告書の公表を遅らせるよう働きかける</source>
      <comment>10 answer 2</comment>
      <translation>2. Lobby to delay the report's publication</translation>
    </message>
    <message>
      <source>「公表を遅らせろ」という電話の記録が、
なぜか省内に回覧された。</source>
      <comment>10 result 2</comment>
      <translation>A note of your call, "Delay publication,"
was somehow circulated around the Ministry.</translation>
    </message>
    <message>
      <source>３．報告の内容を会社に問いただす</source>
      <comment>10 answer 3</comment>
      <translation>3. Question Nagare about the findings</translation>
    </message>
    <message>
      <source>会社は不快感を示し、あなたへの信頼が下がった。
厚生省もその動きに目を留めた。胃薬が手放せない。</source>
      <comment>10 result 3</comment>
      <translation>Nagare was displeased, and its trust in you fell.
The Ministry took note too. You live on antacids now.</translation>
    </message>
    <message>
      <source>４．会社に「対策費」を出させる</source>
      <comment>10 answer 4</comment>
      <translation>4. Have Nagare pay "countermeasure costs"</translation>
    </message>
    <message>
      <source>対策費に6万円を受け取った。
懐が温まり、気分も上向いた。</source>
      <comment>10 result 4</comment>
      <translation>You received 60,000 yen in countermeasure costs.
Your pocket is warmer, and so is your mood.</translation>
    </message>
    <message>
      <source>東京で第五次訴訟が起こされた。
ナガレ薬研は徹底抗戦の構えだ。</source>
      <comment>11 prompt</comment>
      <translation>A fifth lawsuit is filed in Tokyo.
Nagare means to fight it to the last.</translation>
    </message>
    <message>
      <source>１．会社に和解を勧める</source>
      <comment>11 answer 1</comment>
      <translation>1. Advise Nagare to settle</translation>
    </message>
    <message>
      <source>説得は三時間、平行線のまま終わった。
会社は渋い顔をし、省からは「出過ぎるな」と釘を刺された。</source>
      <comment>11 result 1</comment>
      <translation>Three hours of persuasion; neither side moved an inch.
Nagare frowned; the Ministry told you not to overstep.</translation>
    </message>
    <message>
      <source>２．格安の弁護士に5万円で丸投げする</source>
      <comment>11 answer 2</comment>
      <translation>2. Leave it to a cheap lawyer for 50,000 yen</translation>
    </message>
    <message>
      <source>5万円で任せきりにした。
安かろう悪かろうだが、気は楽だ。</source>
      <comment>11 result 2</comment>
      <translation>For 50,000 yen, it is no longer your problem.
You get what you pay for, but you sleep better.</translation>
    </message>
    <message>
      <source>３．会社と歩調を合わせて全面的に争う</source>
      <comment>11 answer 3</comment>
      <translation>3. Stand with Nagare and contest everything</translation>
    </message>
    <message>
      <source>会社は喜んだ。だが争う間も製剤は使われ続け、
新たに50人が感染した。
鵺田君は集会で喝采を浴び、厚生省も眉をひそめている。</source>
      <comment>11 result 3</comment>
      <translation>Nagare was delighted. But the concentrate stayed in use,
and fifty more people were infected.
Nueda was cheered at a rally; the Ministry frowned.</translation>
    </message>
    <message>
      <source>４．証拠書類の山に目を通す</source>
      <comment>11 answer 4</comment>
      <translation>4. Go through the mountain of evidence</translation>
    </message>
    <message>
      <source>証拠書類は段ボール四十箱あった。
目薬が一本空いた。</source>
      <comment>11 result 4</comment>
      <translation>The evidence filled forty cardboard boxes.
You finished a bottle of eye drops.</translation>
    </message>
    <message>
      <source>大阪で第九次訴訟が起こされた。
年の瀬も押し詰まっている。</source>
      <comment>12 prompt</comment>
      <translation>A ninth lawsuit is filed in Osaka.
The year is nearly out.</translation>
    </message>
    <message>
      <source>１．原告の主張を自費で調べる</source>
      <comment>12 answer 1</comment>
      <translation>1. Investigate the plaintiffs' case yourself</translation>
    </message>
    <message>
      <source>調査費に4万円。
原告の主張は、調べるほど正しかった。</source>
      <comment>12 result 1</comment>
      <translation>The inquiry cost 40,000 yen.
The more you looked, the more right the plaintiffs were.</translation>
    </message>
    <message>
      <source>２．厚生省の意向を会社に高く売る</source>
      <comment>12 answer 2</comment>
      <translation>2. Sell Nagare the Ministry's line, at a price</translation>
    </message>
    <message>
      <source>情報料に5万円が入った。売った「意向」は、
厚生省が会社に漏らしてほしかった話そのものだった。
省の課長は、翌日からあなたを名前で呼ぶようになった。</source>
      <comment>12 result 2</comment>
      <translation>50,000 yen for the information. The "line" you sold
was exactly what the Ministry wanted Nagare to hear.
The section chief has called you by name ever since.</translation>
    </message>
    <message>
      <source>３．製剤の使用継続に太鼓判を押す</source>
      <comment>12 answer 3</comment>
      <translation>3. Guarantee the concentrate for continued use</translation>
    </message>
    <message>
      <source>会社の信頼は上がったが、新たに70人が感染した。
鵺田君がその責任を追及し、あなたは釈明に追われた。</source>
      <comment>12 result 3</comment>
      <translation>Nagare's trust rose. Seventy more people were infected.
Nueda demanded answers; you spent weeks explaining.</translation>
    </message>
    <message>
      <source>４．早めに年末休暇に入る</source>
      <comment>12 answer 4</comment>
      <translation>4. Start the New Year holiday early</translation>
    </message>
    <message>
      <source>正月気分でひと息ついた。</source>
      <comment>12 result 4</comment>
      <translation>In a New Year mood, you caught your breath.</translation>
    </message>
    <message>
      <source>新しい大臣が就任した。
さっそく献金の話を持ちかけてきた。</source>
      <comment>13 prompt</comment>
      <translation>A new Minister has taken office.
Donations are the first item on the agenda.</translation>
    </message>
    <message>
      <source>１．20万円を献金する</source>
      <comment>13 answer 1</comment>
      <translation>1. Donate 200,000 yen</translation>
    </message>
    <message>
      <source>20万円が消えた。大臣は礼も言わなかった。</source>
      <comment>13 result 1</comment>
      <translation>200,000 yen vanished. No thanks from the Minister.</translation>
    </message>
    <message>
      <source>２．「献金は法に触れます」と断る</source>
      <comment>13 answer 2</comment>
      <translation>2. Refuse: "That would be against the law."</translation>
    </message>
    <message>
      <source>正論は嫌われる。翌日から、省の内線があなたを避け始めた。
会社も「融通が利かない」とあきれている。</source>
      <comment>13 result 2</comment>
      <translation>Principles make no friends. The Ministry now avoids you.
Nagare, too, despairs: "He just won't bend."</translation>
    </message>
    <message>
      <source>３．大臣の後援会の会員集めに奔走する</source>
      <comment>13 answer 3</comment>
      <translation>3. Recruit for the Minister's supporters' club</translation>
    </message>
    <message>
      <source>後援会の名簿に二百人の名が加わった。
靴を一足、履きつぶした。</source>
      <comment>13 result 3</comment>
      <translation>Two hundred names joined the club's roll.
You wore out a pair of shoes.</translation>
    </message>
    <message>
      <source>４．大臣との面会の記録を消して回る</source>
      <comment>13 answer 4</comment>
      <translation>4. Erase every trace of meeting the Minister</translation>
    </message>
    <message>
      <source>記録を消すのに骨を折った。
消した跡を、鵺田君がひとつずつ数えている。</source>
      <comment>13 result 4</comment>
      <translation>Erasing them was hard work.
Nueda is counting the erasures, one by one.</translation>
    </message>
    <message>
      <source>あなたを含む関係者が、
殺人未遂の疑いで刑事告発された。</source>
      <comment>14 prompt</comment>
      <translation>You and others involved have been named in
a criminal complaint for attempted murder.</translation>
    </message>
    <message>
      <source>１．会社をかばう声明を出す</source>
      <comment>14 answer 1</comment>
      <translation>1. Issue a statement defending the company</translation>
    </message>
    <message>
      <source>会社は大喜びで、あなたの気も晴れた。
だが厚生省は、かばい方の熱心さに目を留めた。</source>
      <comment>14 result 1</comment>
      <translation>Nagare was overjoyed, and your spirits lifted.
The Ministry noted how keenly you defended it.</translation>
    </message>
    <message>
      <source>２．厚生省の幹部と口裏を合わせる</source>
      <comment>14 answer 2</comment>
      <translation>2. Agree your stories with Ministry officials</translation>
    </message>
    <message>
      <source>省の幹部とは、三十分で話がまとまった。
口裏の合わせ方だけは、互いに慣れている。</source>
      <comment>14 result 2</comment>
      <translation>The senior officials settled it in thirty minutes.
At agreeing a story, both sides are well practised.</translation>
    </message>
    <message>
      <source>３．「当時の医学水準では妥当」と主張する</source>
      <comment>14 answer 3</comment>
      <translation>3. Argue: "Proper by the medicine of the day."</translation>
    </message>
    <message>
      <source>会社も厚生省も、この言い訳を自分の談話に書き写した。
当時の医学水準は、いつも便利だ。</source>
      <comment>14 result 3</comment>
      <translation>Nagare and the Ministry copied the excuse word for word.
The medicine of the day is always so accommodating.</translation>
    </message>
    <message>
      <source>４．弁護士と連日対策を練る</source>
      <comment>14 answer 4</comment>
      <translation>4. Meet your lawyers daily to plan a defence</translation>
    </message>
    <message>
      <source>弁護士と向き合う毎日で、白髪が増えた。
鵺田君は告発の会見に同席し、一躍時の人となった。</source>
      <comment>14 result 4</comment>
      <translation>Day after day with lawyers; your hair grew greyer.
Nueda sat in on the press conference and became a star.</translation>
    </message>
    <message>
      <source>大阪で第十次訴訟が起こされた。
原告の数は膨らむ一方だ。</source>
      <comment>15 prompt</comment>
      <translation>A tenth lawsuit is filed in Osaka.
The number of plaintiffs only grows.</translation>
    </message>
    <message>
      <source>１．国と会社の答弁をすり合わせる</source>
      <comment>15 answer 1</comment>
      <translation>1. Align the State's answers with Nagare's</translation>
    </message>
    <message>
      <source>国と会社の答弁書は、句読点まで同じになった。
双方から菓子折りが届き、気分も軽い。</source>
      <comment>15 result 1</comment>
      <translation>The State's and Nagare's briefs now match to the comma.
Both sent boxes of sweets; you are in good spirits.</translation>
    </message>
    <message>
      <source>２．ゴルフで気晴らしをする</source>
      <comment>15 answer 2</comment>
      <translation>2. Clear your head on the golf course</translation>
    </message>
    <message>
      <source>スコアは110だったが、気分は晴れた。
同じ組の誰ひとり、訴訟の話をしなかったからだ。</source>
      <comment>15 result 2</comment>
      <translation>You shot 110, but your head cleared.
Not one of your foursome mentioned the lawsuits.</translation>
    </message>
    <message>
      <source>３．在庫を使い切るよう各地の病院に勧める</source>
      <comment>15 answer 3</comment>
      <translation>3. Urge hospitals to use up their stocks</translation>
    </message>
    <message>
      <source>全国の病院を回り、在庫は会社の計画より早く尽きた。
新たに80人が感染した。
鵺田君は、あなたの推薦状の写しを記者に配った。</source>
      <comment>15 result 3</comment>
      <translation>You toured hospitals; the stock ran out ahead of plan.
Eighty more people were infected.
Nueda handed copies of your recommendation to the press.</translation>
    </message>
    <message>
      <source>４．訴訟は会社に任せておく</source>
      <comment>15 answer 4</comment>
      <translation>4. Leave the lawsuits to the company</translation>
    </message>
    <message>
      <source>訴訟は会社の法務部の仕事になった。
あなたの仕事は、待つことだけだ。</source>
      <comment>15 result 4</comment>
      <translation>The lawsuits are now for Nagare's legal department.
Your job is simply to wait.</translation>
    </message>
    <message>
      <source>以前の大臣がまた就任した。
「今度も、よろしく頼むよ」</source>
      <comment>16 prompt</comment>
      <translation>A former Minister is back in office.
"I trust we can count on you again."</translation>
    </message>
    <message>
      <source>１．前回より多い40万円を献金する</source>
      <comment>16 answer 1</comment>
      <translation>1. Donate 400,000 yen, more than last time</translation>
    </message>
    <message>
      <source>40万円が消えた。再任祝いも込みだそうだ。</source>
      <comment>16 result 1</comment>
      <translation>400,000 yen vanished. That includes a welcome-back gift.</translation>
    </message>
    <message>
      <source>２．会社に献金させ、仲介料を取る</source>
      <comment>16 answer 2</comment>
      <translation>2. Have Nagare pay; take a broker's fee</translation>
    </message>
    <message>
      <source>仲介料に5万円が懐に入った。
大臣の秘書から、丁寧な礼状まで届いた。</source>
      <comment>16 result 2</comment>
      <translation>A 50,000 yen broker's fee went into your pocket.
The Minister's secretary even sent a polite thank-you.</translation>
    </message>
    <message>
      <source>３．「前回お納めしました」と粘る</source>
      <comment>16 answer 3</comment>
      <translation>3. Hold out: "I believe I paid last time."</translation>
    </message>
    <message>
      <source>押し問答は二時間に及んだ。
翌日から、省の課長が挨拶を返さなくなった。</source>
      <comment>16 result 3</comment>
      <translation>The back-and-forth lasted two hours.
Next day the section chief stopped returning your bow.</translation>
    </message>
    <message>
      <source>４．就任祝いの花だけ贈る</source>
      <comment>16 answer 4</comment>
      <translation>4. Send congratulatory flowers, nothing more</translation>
    </message>
    <message>
      <source>安く済んでほっとしたが、
花は翌日、秘書室から廊下に出されていた。</source>
      <comment>16 result 4</comment>
      <translation>You were relieved it came cheap,
but next day his office put the flowers in the corridor.</translation>
    </message>
    <message>
      <source>汚染された製剤をめぐって
刑事告発がなされた。</source>
      <comment>17 prompt</comment>
      <translation>A criminal complaint has been filed
over the contaminated concentrate.</translation>
    </message>
    <message>
      <source>１．会社とは別に自分の弁護士を雇う</source>
      <comment>17 answer 1</comment>
      <translation>1. Hire your own lawyer, not Nagare's</translation>
    </message>
    <message>
      <source>20万円で、枕を高くして眠れるようになった。
会社は「自分だけ逃げる気か」と警戒している。</source>
      <comment>17 result 1</comment>
      <translation>For 200,000 yen, you can sleep soundly again.
Nagare is wary: "Planning to save your own skin?"</translation>
    </message>
    <message>
      <source>２．会社に「弁護費用」を請求する</source>
      <comment>17 answer 2</comment>
      <translation>2. Bill Nagare for "legal expenses"</translation>
    </message>
    <message>
      <source>会社から20万円が入った。
会社の金で片がつくならと、厚生省も目をつぶった。</source>
      <comment>17 result 2</comment>
      <translation>Nagare paid 200,000 yen.
As long as it is company money, the Ministry looks away.</translation>
    </message>
    <message>
      <source>３．「製剤の管理は適正だった」と言い張る</source>
      <comment>17 answer 3</comment>
      <translation>3. Insist: "The product was properly managed."</translation>
    </message>
    <message>
      <source>言い切ってしまえば、こちらのものだ。</source>
      <comment>17 result 3</comment>
      <translation>Say it firmly enough, and it is as good as true.</translation>
    </message>
    <message>
      <source>４．出荷記録を一から調べ直す</source>
      <comment>17 answer 4</comment>
      <translation>4. Go through the shipping records again</translation>
    </message>
    <message>
      <source>出荷記録は几帳面に残っていた。
几帳面すぎて、言い逃れの余地がない。</source>
      <comment>17 result 4</comment>
      <translation>The shipping records had been kept meticulously.
Too meticulously: they leave no room for excuses.</translation>
    </message>
    <message>
      <source>また大臣が替わった。
新大臣の最初の仕事は献金の催促だ。</source>
      <comment>18 prompt</comment>
      <translation>The Minister has changed again.
The first order of business: the donation.</translation>
    </message>
    <message>
      <source>１．40万円を献金する</source>
      <comment>18 answer 1</comment>
      <translation>1. Donate 400,000 yen</translation>
    </message>
    <message>
      <source>40万円が消えたが、省内の風向きはすっかり変わった。
疑いにも、相場があるらしい。</source>
      <comment>18 result 1</comment>
      <translation>400,000 yen vanished; the wind in the Ministry changed.
Suspicion, it seems, has a market price.</translation>
    </message>
    <message>
      <source>２．献金の要求を記者にほのめかす</source>
      <comment>18 answer 2</comment>
      <translation>2. Drop hints about the demand to the press</translation>
    </message>
    <message>
      <source>厚生省はあなたを危険人物と見なした。
会社も「騒ぎを起こすな」と怒っている。</source>
      <comment>18 result 2</comment>
      <translation>The Ministry now considers you dangerous.
Nagare is angry too: "Don't make waves."</translation>
    </message>
    <message>
      <source>３．献金の額を値切る</source>
      <comment>18 answer 3</comment>
      <translation>3. Haggle over the amount</translation>
    </message>
    <message>
      <source>値切り交渉は物別れに終わり、献金は宙に浮いた。
大臣の機嫌だけを損ねた。</source>
      <comment>18 result 3</comment>
      <translation>The haggling broke down; the donation was left hanging.
All it did was sour the Minister's temper.</translation>
    </message>
    <message>
      <source>４．大臣の地元で選挙を手伝う</source>
      <comment>18 answer 4</comment>
      <translation>4. Campaign for him in his constituency</translation>
    </message>
    <message>
      <source>慣れない選挙カーで声が出なくなった。
厚生省は「なぜそこまで」と警戒している。</source>
      <comment>18 result 4</comment>
      <translation>Shouting from a campaign van, you lost your voice.
The Ministry is wary: "Why go that far?"</translation>
    </message>
    <message>
      <source>東京で第六次訴訟が起こされた。
国と会社の責任が改めて問われる。</source>
      <comment>19 prompt</comment>
      <translation>A sixth lawsuit is filed in Tokyo.
The State and Nagare must answer once again.</translation>
    </message>
    <message>
      <source>１．原告側に内部資料を匿名で送る</source>
      <comment>19 answer 1</comment>
      <translation>1. Leak files to the plaintiffs, anonymously</translation>
    </message>
    <message>
      <source>厚生省は情報の出所を探っている。気が気でない。</source>
      <comment>19 result 1</comment>
      <translation>The Ministry is looking for the source. You are on edge.</translation>
    </message>
    <message>
      <source>２．会社の答弁書を添削する</source>
      <comment>19 answer 2</comment>
      <translation>2. Correct Nagare's statement of defence</translation>
    </message>
    <message>
      <source>赤ペンが一本空になった。
その間に鵺田君が顔を売った。</source>
      <comment>19 result 2</comment>
      <translation>You used up one red pen.
Meanwhile Nueda made himself known.</translation>
    </message>
    <message>
      <source>３．回収の進言を「検討中」のまま寝かせる</source>
      <comment>19 answer 3</comment>
      <translation>3. Leave the recall advice "under review"</translation>
    </message>
    <message>
      <source>寝かせている間に、新たに100人が感染した。
「検討中」の書類は、省の監査でそのまま見つかった。</source>
      <comment>19 result 3</comment>
      <translation>While it lay there, a hundred more people were infected.
A Ministry audit found the file, still "under review".</translation>
    </message>
    <message>
      <source>４．会社の記者会見に同席する</source>
      <comment>19 answer 4</comment>
      <translation>4. Sit beside Nagare at its press conference</translation>
    </message>
    <message>
      <source>会社は心強く思ったが、フラッシュに目がくらんだ。
あなたの失言は、翌朝には鵺田君の決め台詞になっていた。</source>
      <comment>19 result 4</comment>
      <translation>Nagare felt reassured; the flashbulbs left you dazzled.
By next morning your gaffe was Nueda's catchphrase.</translation>
    </message>
    <message>
      <source>取材班が、薬害を告発する本を出した。
あなたの名前も出てくる。</source>
      <comment>20 prompt</comment>
      <translation>A team of journalists has published a book
exposing the scandal. Your name is in it.</translation>
    </message>
    <message>
      <source>１．書店から本を買い占める</source>
      <comment>20 answer 1</comment>
      <translation>1. Buy up every copy in the bookshops</translation>
    </message>
    <message>
      <source>10万円で買い占め、気が晴れた。
版元はすぐに増刷を決め、厚生省がかすかに首をかしげた。</source>
      <comment>20 result 1</comment>
      <translation>100,000 yen cleared the shelves, and your mind.
The publisher reprinted. A Ministry eyebrow twitched.</translation>
    </message>
    <message>
      <source>２．「読む価値もない」と公言する</source>
      <comment>20 answer 2</comment>
      <translation>2. Declare it "not worth reading"</translation>
    </message>
    <message>
      <source>言ってすっきりしたが、
厚生省は「さては読んだな」と疑っている。</source>
      <comment>20 result 2</comment>
      <translation>Saying so felt good,
but the Ministry concludes you must have read it.</translation>
    </message>
    <message>
      <source>３．本は無視して製剤の使用を続ける</source>
      <comment>20 answer 3</comment>
      <translation>3. Ignore the book; keep using the concentrate</translation>
    </message>
    <message>
      <source>気には留めなかったが、その間に新たに1人が感染した。</source>
      <comment>20 result 3</comment>
      <translation>You paid it no heed. One more person was infected.</translation>
    </message>
    <message>
      <source>４．反論の本を書く</source>
      <comment>20 answer 4</comment>
      <translation>4. Write a book in reply</translation>
    </message>
    <message>
      <source>反論の本は三か月で書き上がり、三冊売れた。
鵺田君はあなたの本を酷評して名を上げた。</source>
      <comment>20 result 4</comment>
      <translation>Written in three months, your reply sold three copies.
Nueda made his name savaging it.</translation>
    </message>
    <message>
      <source>大阪で第十一次訴訟が起こされた。
今年も原告は増え続けた。</source>
      <comment>21 prompt</comment>
      <translation>An eleventh lawsuit has been filed in Osaka.
The plaintiffs grew in number again this year.</translation>
    </message>
    <message>
      <source>１．鵺田君の不始末を厚生省に売る</source>
      <comment>21 answer 1</comment>
      <translation>1. Sell Nueda's blunders to the Ministry</translation>
    </message>
    <message>
      <source>情報料に10万円。鵺田君は失速し、
省の矛先はしばらく彼に向いた。ただ、気苦労はこたえた。</source>
      <comment>21 result 1</comment>
      <translation>100,000 yen for the tip. Nueda faltered, and for a while
the Ministry looked his way. The nerves cost you sleep.</translation>
    </message>
    <message>
      <source>２．原告団の動きを探偵に探らせる</source>
      <comment>21 answer 2</comment>
      <translation>2. Hire a detective to watch the plaintiffs</translation>
    </message>
    <message>
      <source>探偵代に2万円。報告書は薄かった。
妙な動きは、厚生省の知るところとなった。</source>
      <comment>21 result 2</comment>
      <translation>The detective cost 20,000 yen. His report was thin.
The Ministry's file on the hiring was rather thicker.</translation>
    </message>
    <message>
      <source>３．年明けまで対応を先送りする</source>
      <comment>21 answer 3</comment>
      <translation>3. Put off any response until the new year</translation>
    </message>
    <message>
      <source>先送りの間に新たに50人が感染した。
鵺田君は対応の遅れを、年末の特番で責め立てた。</source>
      <comment>21 result 3</comment>
      <translation>While you put it off, 50 more people were infected.
Nueda denounced the delay on a year-end TV special.</translation>
    </message>
    <message>
      <source>４．年末の挨拶回りに追われる</source>
      <comment>21 answer 4</comment>
      <translation>4. Spend the month on year-end courtesy calls</translation>
    </message>
    <message>
      <source>会社持ちの菓子折りを二十箱、配り歩いた。
鵺田君も抜け目なく顔を売っている。</source>
      <comment>21 result 4</comment>
      <translation>You delivered twenty boxes of sweets, billed to Nagare.
Nueda, you noticed, was shaking the same hands.</translation>
    </message>
    <message>
      <source>若い原告が実名を公表して
訴えを起こした。世論が動き出す。</source>
      <comment>22 prompt</comment>
      <translation>A young plaintiff has sued under his own name.
Public opinion is beginning to move.</translation>
    </message>
    <message>
      <source>１．原告の身辺を調べさせる</source>
      <comment>22 answer 1</comment>
      <translation>1. Have someone dig into the plaintiff's life</translation>
    </message>
    <message>
      <source>卑劣な工作は漏れ、省の幹部会の議題に上った。
鵺田君は、あなたの依頼書の写しを手に会見を開いた。</source>
      <comment>22 result 1</comment>
      <translation>The grubby scheme leaked and made the Ministry's agenda.
Nueda met the press holding a copy of your request.</translation>
    </message>
    <message>
      <source>２．会社に謝罪を勧める</source>
      <comment>22 answer 2</comment>
      <translation>2. Urge Nagare to apologise</translation>
    </message>
    <message>
      <source>説得は空振りに終わった。
会社はあなたを見限りかけている。</source>
      <comment>22 result 2</comment>
      <translation>Your persuasion came to nothing.
Nagare is beginning to give up on you.</translation>
    </message>
    <message>
      <source>３．鵺田君の古い失言を記者に流す</source>
      <comment>22 answer 3</comment>
      <translation>3. Leak an old gaffe of Nueda's to the press</translation>
    </message>
    <message>
      <source>古い失言が蒸し返され、鵺田君は失速した。
あなたは胸をなで下ろした。</source>
      <comment>22 result 3</comment>
      <translation>The old gaffe was dug up again, and Nueda stalled.
You breathed a sigh of relief.</translation>
    </message>
    <message>
      <source>４．原告の会見を黙って最後まで見る</source>
      <comment>22 answer 4</comment>
      <translation>4. Watch his whole press conference in silence</translation>
    </message>
    <message>
      <source>その勇気を前に、言葉が見つからなかった。
画面を消しても、声が耳に残った。</source>
      <comment>22 result 4</comment>
      <translation>Faced with such courage, you found no words.
The set went dark; his voice stayed with you.</translation>
    </message>
    <message>
      <source>大阪で第十二次訴訟が起こされた。
原告側は国の責任を厳しく追及する。</source>
      <comment>23 prompt</comment>
      <translation>A twelfth lawsuit has been filed in Osaka.
The plaintiffs are pressing the state hard.</translation>
    </message>
    <message>
      <source>１．原告側の数字の誤りを探す</source>
      <comment>23 answer 1</comment>
      <translation>1. Comb the plaintiffs' figures for errors</translation>
    </message>
    <message>
      <source>見つかった誤りは、桁区切りのカンマひとつだった。
厚生省はあなたの焦りを見抜いている。</source>
      <comment>23 result 1</comment>
      <translation>The sole error found: one comma in the wrong place.
The Ministry can see that you are rattled.</translation>
    </message>
    <message>
      <source>２．会社に巨額の「顧問料」を請求する</source>
      <comment>23 answer 2</comment>
      <translation>2. Bill Nagare a huge "consultancy fee"</translation>
    </message>
    <message>
      <source>50万円が入って上機嫌だ。
ただ、金の流れに厚生省が目を光らせ始めた。</source>
      <comment>23 result 2</comment>
      <translation>500,000 yen came in, and your mood improved.
The Ministry, though, has begun to follow the money.</translation>
    </message>
    <message>
      <source>３．全国の患者に再検査を呼びかける</source>
      <comment>23 answer 3</comment>
      <translation>3. Call on patients nationwide to be retested</translation>
    </message>
    <message>
      <source>再検査で150人の感染の疑いが晴れた。
呼びかけたのはあなただが、手柄は鵺田君のものになった。</source>
      <comment>23 result 3</comment>
      <translation>Retesting cleared 150 people of suspected infection.
The call was yours; the credit went to Nueda.</translation>
    </message>
    <message>
      <source>４．傍聴は部下に任せる</source>
      <comment>23 answer 4</comment>
      <translation>4. Send a junior to sit in on the hearings</translation>
    </message>
    <message>
      <source>部下の傍聴メモは三行だった。
あなたの午後は、まるごと空いた。</source>
      <comment>23 result 4</comment>
      <translation>Your junior's notes on the hearing ran to three lines.
Your afternoon was left entirely free.</translation>
    </message>
    <message>
      <source>原告団の中心だった一人が亡くなった。
裁判の結末を見届けることはできなかった。</source>
      <comment>24 prompt</comment>
      <translation>One of the plaintiffs' leaders has died,
without living to see how the case would end.</translation>
    </message>
    <message>
      <source>１．会社から「弔意対応費」を受け取る</source>
      <comment>24 answer 1</comment>
      <translation>1. Take Nagare's "condolence response fund"</translation>
    </message>
    <message>
      <source>会社は弔意まで予算で片づけた。
20万円を受け取り、気も楽だ。
厚生省も安堵したが、鵺田君はその費目名を読み上げてみせた。</source>
      <comment>24 result 1</comment>
      <translation>Nagare even had a budget line for condolences.
You took 200,000 yen and felt easier.
The Ministry relaxed, but Nueda read that line aloud.</translation>
    </message>
    <message>
      <source>２．会社の用意した追悼文を代読する</source>
      <comment>24 answer 2</comment>
      <translation>2. Read out the tribute Nagare has drafted</translation>
    </message>
    <message>
      <source>謝礼に20万円。波風は立たず、厚生省も胸をなで下ろした。
会社の追悼文は、故人の名前だけが手書きだった。</source>
      <comment>24 result 2</comment>
      <translation>A fee of 200,000 yen. No ripples; the Ministry exhaled.
The tribute was typed; only the name was handwritten.</translation>
    </message>
    <message>
      <source>３．葬儀に参列し、遺族に頭を下げる</source>
      <comment>24 answer 3</comment>
      <translation>3. Attend the funeral and bow to the family</translation>
    </message>
    <message>
      <source>遺族の沈黙が重くのしかかった。</source>
      <comment>24 result 3</comment>
      <translation>The family's silence weighed heavily on you.</translation>
    </message>
    <message>
      <source>４．厚生省と連名で哀悼の談話を出す</source>
      <comment>24 answer 4</comment>
      <translation>4. Issue joint condolences with the Ministry</translation>
    </message>
    <message>
      <source>形ばかりの談話に厚生省は満足した。
後味の悪さだけが残った。</source>
      <comment>24 result 4</comment>
      <translation>The Ministry was content with the empty formality.
All that remained was a bad taste in the mouth.</translation>
    </message>
    <message>
      <source>原告たちが厚生省の前で抗議を続けている。
正門前は人で埋まった。</source>
      <comment>25 prompt</comment>
      <translation>The plaintiffs keep up their protest outside
the Ministry. The main gate is thronged.</translation>
    </message>
    <message>
      <source>１．鵺田君が抗議を煽っていると吹き込む</source>
      <comment>25 answer 1</comment>
      <translation>1. Whisper that Nueda is inciting the protest</translation>
    </message>
    <message>
      <source>省内は鵺田君を警戒し、彼は大きく失速した。
疑いの目もそちらへ逸れた。根回しで靴底がすり減った。</source>
      <comment>25 result 1</comment>
      <translation>The Ministry grew wary of Nueda, who lost much ground;
suspicion went his way. The rounds wore your soles thin.</translation>
    </message>
    <message>
      <source>２．抗議の列を避けて裏口から省に入る</source>
      <comment>25 answer 2</comment>
      <translation>2. Slip into the Ministry by the back door</translation>
    </message>
    <message>
      <source>逃げる姿を撮られた。写真には鵺田君の解説が付き、
翌朝には省の掲示板にも切り抜きが貼られた。</source>
      <comment>25 result 2</comment>
      <translation>Cameras caught you slinking in; Nueda wrote the caption,
and by morning it was pinned up inside the Ministry.</translation>
    </message>
    <message>
      <source>３．休みを取って自宅にこもる</source>
      <comment>25 answer 3</comment>
      <translation>3. Take a few days off and stay at home</translation>
    </message>
    <message>
      <source>家でくつろげたが、
肝心なときの不在は、厚生省の手帳に記された。</source>
      <comment>25 result 3</comment>
      <translation>You relaxed at home,
but the Ministry noted your absence when it mattered.</translation>
    </message>
    <message>
      <source>４．原告たちの前に出て話を聞く</source>
      <comment>25 answer 4</comment>
      <translation>4. Go out to the plaintiffs and hear them out</translation>
    </message>
    <message>
      <source>一人ひとりの訴えを、最後まで聞いた。
帰り道、足がなかなか前に出なかった。</source>
      <comment>25 result 4</comment>
      <translation>You heard each of them out, to the last word.
On the way back, your feet would barely move.</translation>
    </message>
    <message>
      <source>またしても新大臣が就任した。
献金の相場は上がる一方だ。</source>
      <comment>26 prompt</comment>
      <translation>Yet another new minister has taken office.
The going rate for donations only rises.</translation>
    </message>
    <message>
      <source>１．50万円を献金する</source>
      <comment>26 answer 1</comment>
      <translation>1. Donate 500,000 yen</translation>
    </message>
    <message>
      <source>50万円が消えた。翌月の審議会の委員名簿に、
あなたの名前は無事に残った。</source>
      <comment>26 result 1</comment>
      <translation>500,000 yen vanished. Next month's advisory panel
still had your name on it.</translation>
    </message>
    <message>
      <source>２．聞こえないふりをする</source>
      <comment>26 answer 2</comment>
      <translation>2. Pretend not to hear</translation>
    </message>
    <message>
      <source>気楽なものだが、大臣室の前を通るたび、
秘書が手帳に何か書きつけるようになった。</source>
      <comment>26 result 2</comment>
      <translation>Easy enough, but whenever you pass the minister's door,
his secretary now jots something in a diary.</translation>
    </message>
    <message>
      <source>３．会社に追加の献金を迫る</source>
      <comment>26 answer 3</comment>
      <translation>3. Press Nagare for a further donation</translation>
    </message>
    <message>
      <source>交渉は三日続いた。会社は献金の値上がりまで
あなたのせいにして、信頼を下げた。</source>
      <comment>26 result 3</comment>
      <translation>The talks ran three days. Nagare blamed you even for
the inflation in donations, and trusted you less.</translation>
    </message>
    <message>
      <source>４．献金の仲介を買って出て上前をはねる</source>
      <comment>26 answer 4</comment>
      <translation>4. Broker the donation and skim off the top</translation>
    </message>
    <message>
      <source>40万円の上前をはねた。
上前の勘定だけは、一円も狂わなかった。</source>
      <comment>26 result 4</comment>
      <translation>You skimmed 400,000 yen.
Your own cut, at least, was correct to the last yen.</translation>
    </message>
    <message>
      <source>支援者たちが再び厚生省を囲んだ。
人の輪は前よりも大きい。</source>
      <comment>27 prompt</comment>
      <translation>Supporters have surrounded the Ministry again.
The ring of people is larger than before.</translation>
    </message>
    <message>
      <source>１．会社に「警備費」を請求する</source>
      <comment>27 answer 1</comment>
      <translation>1. Bill Nagare for "security costs"</translation>
    </message>
    <message>
      <source>警備費の名目で70万円が入り、気分がいい。
警備員の出番は一度もなかったが、
省の報告書には「混乱なく収束」と書かれた。</source>
      <comment>27 result 1</comment>
      <translation>"Security costs" brought in 700,000 yen. You feel fine.
The guards were never once called upon,
and the Ministry reported "ended without disorder".</translation>
    </message>
    <message>
      <source>２．抗議が収まるのを待つ</source>
      <comment>27 answer 2</comment>
      <translation>2. Wait for the protest to die down</translation>
    </message>
    <message>
      <source>何も片づかないまま、
支援者と会った鵺田君が株を上げた。</source>
      <comment>27 result 2</comment>
      <translation>Nothing was resolved,
and Nueda, who went out to meet them, gained standing.</translation>
    </message>
    <message>
      <source>３．「一部の過激な人々」と談話を出す</source>
      <comment>27 answer 3</comment>
      <translation>3. Call them "a radical minority" publicly</translation>
    </message>
    <message>
      <source>談話は大きな批判を浴びた。
鵺田君は「過激な人々」と書いた札を胸に、列に加わった。</source>
      <comment>27 result 3</comment>
      <translation>The statement drew heavy criticism.
Nueda joined them wearing a sign: "RADICAL MINORITY".</translation>
    </message>
    <message>
      <source>４．支援者の抗議文をすべて読む</source>
      <comment>27 answer 4</comment>
      <translation>4. Read every one of the supporters' letters</translation>
    </message>
    <message>
      <source>抗議文は千通を超えていた。
軽い言葉は、一通もなかった。</source>
      <comment>27 result 4</comment>
      <translation>There were more than a thousand letters.
Not one of them was written lightly.</translation>
    </message>
    <message>
      <source>東京と大阪の裁判所が、
そろって和解を勧告した。</source>
      <comment>28 prompt</comment>
      <translation>The Tokyo and Osaka courts have both
recommended a settlement.</translation>
    </message>
    <message>
      <source>１．和解金の一部を自ら負担する</source>
      <comment>28 answer 1</comment>
      <translation>1. Pay part of the settlement yourself</translation>
    </message>
    <message>
      <source>20万円を出した。
大臣の談話に「関係者の歩み寄り」の一言が入った。</source>
      <comment>28 result 1</comment>
      <translation>You put in 200,000 yen.
The minister's statement cited "goodwill on all sides".</translation>
    </message>
    <message>
      <source>２．和解勧告を「時期尚早」と突っぱねる</source>
      <comment>28 answer 2</comment>
      <translation>2. Reject the proposal as "premature"</translation>
    </message>
    <message>
      <source>会社も厚生省も、もう和解に傾いていた。
会社はあきれ、省は次の会議の席次からあなたを外した。</source>
      <comment>28 result 2</comment>
      <translation>Nagare and the Ministry were already leaning to settle.
Nagare sighed. The next seating plan left you out.</translation>
    </message>
    <message>
      <source>３．回答を引き延ばす</source>
      <comment>28 answer 3</comment>
      <translation>3. Drag out your reply</translation>
    </message>
    <message>
      <source>引き延ばす間も製剤は使われ続け、
新たに70人が感染した。
鵺田君は和解派として台頭し、厚生省も眉をひそめた。</source>
      <comment>28 result 3</comment>
      <translation>While you stalled, the concentrate stayed in use,
and 70 more people were infected.
Nueda led the call to settle. The Ministry frowned.</translation>
    </message>
    <message>
      <source>４．和解金の総額を抑えるよう進言する</source>
      <comment>28 answer 4</comment>
      <translation>4. Advise keeping the total settlement down</translation>
    </message>
    <message>
      <source>会社は大喜びだ。
省の試算表では、浮いた額に赤丸が付けられた。</source>
      <comment>28 result 4</comment>
      <translation>Nagare is delighted.
The Ministry circled the savings in red on its estimate.</translation>
    </message>
    <message>
      <source>厚生省から電話だ。大臣が近く原告に謝罪し、
和解協議に入るという。</source>
      <comment>29 prompt</comment>
      <translation>A call from the Ministry. The minister is to
apologise to the plaintiffs and begin talks.</translation>
    </message>
    <message>
      <source>１．和解協議の段取りを会社と詰める</source>
      <comment>29 answer 1</comment>
      <translation>1. Plan the settlement talks with Nagare</translation>
    </message>
    <message>
      <source>会社も厚生省も満足げだ。
だが協議の席で一番目立ったのは、鵺田君だった。</source>
      <comment>29 result 1</comment>
      <translation>Nagare and the Ministry both look pleased.
But at the table, the one who stood out was Nueda.</translation>
    </message>
    <message>
      <source>２．大臣に同調し、会社の責任も認める</source>
      <comment>29 answer 2</comment>
      <translation>2. Side with the minister; admit Nagare's part</translation>
    </message>
    <message>
      <source>会社はあなたを見限り始めた。</source>
      <comment>29 result 2</comment>
      <translation>Nagare has begun to write you off.</translation>
    </message>
    <message>
      <source>３．和解協議への協力を断る</source>
      <comment>29 answer 3</comment>
      <translation>3. Refuse to help with the settlement talks</translation>
    </message>
    <message>
      <source>受話器の向こうで、沈黙が長く続いた。
厚生省はあなたの名前を、別の名簿に移したようだ。</source>
      <comment>29 result 3</comment>
      <translation>A long silence on the other end of the line.
Your name, it seems, has moved to a different list.</translation>
    </message>
    <message>
      <source>４．研究班の談話を夜通し練る</source>
      <comment>29 answer 4</comment>
      <translation>4. Polish the group's statement all night</translation>
    </message>
    <message>
      <source>「遺憾」と「お詫び」の間で夜が明けた。</source>
      <comment>29 result 4</comment>
      <translation>Dawn broke somewhere between "regret" and "apology".</translation>
    </message>
    <message>
      <source>国会の質疑を前に、ナガレ薬研の役員会が
答弁の予行演習を始めた。</source>
      <comment>30 prompt</comment>
      <translation>With Diet questioning ahead, Nagare's board
has begun rehearsing its answers.</translation>
    </message>
    <message>
      <source>１．役員の答弁に研究班の見解をそろえる</source>
      <comment>30 answer 1</comment>
      <translation>1. Make the research group's view match theirs</translation>
    </message>
    <message>
      <source>会社は心強く思い、あなたも肩の荷が下りた。
だが本番の答弁が一字一句そろい、省は台本を探し始めた。</source>
      <comment>30 result 1</comment>
      <translation>Nagare was reassured, and a weight lifted from you.
But identical answers set the Ministry hunting a script.</translation>
    </message>
    <message>
      <source>２．予行演習の想定問答を記者に流す</source>
      <comment>30 answer 2</comment>
      <translation>2. Leak the rehearsal questions to the press</translation>
    </message>
    <message>
      <source>会社は犯人探しを始め、あなたへの信頼が揺らいだ。
厚生省も、文書の出所を内々に調べ始めた。</source>
      <comment>30 result 2</comment>
      <translation>Nagare hunted for the leak; its trust in you wavered.
The Ministry, too, quietly began tracing the papers.</translation>
    </message>
    <message>
      <source>３．質問に立つ議員に根回しして回る</source>
      <comment>30 answer 3</comment>
      <translation>3. Lobby the members asking the questions</translation>
    </message>
    <message>
      <source>議員会館の廊下を十往復した。
露骨な根回しは、厚生省にも筒抜けだ。</source>
      <comment>30 result 3</comment>
      <translation>Ten trips up and down the Diet office corridors.
Lobbying that blatant was no secret at the Ministry.</translation>
    </message>
    <message>
      <source>４．本番の中継を見ながら対策資料を作る</source>
      <comment>30 answer 4</comment>
      <translation>4. Draft notes while the hearing is on TV</translation>
    </message>
    <message>
      <source>中継の録画を三回見直した。
鵺田君は参考人として名を上げた。</source>
      <comment>30 result 4</comment>
      <translation>You watched the recording three times over.
Nueda, called as a witness, made his name.</translation>
    </message>
    <message>
      <source>人気漫画家が、作品の中で
薬害への抗議を始めた。</source>
      <comment>31 prompt</comment>
      <translation>A popular cartoonist has begun a protest
against the drug scandal in his comics.</translation>
    </message>
    <message>
      <source>１．「漫画など相手にしない」と笑い飛ばす</source>
      <comment>31 answer 1</comment>
      <translation>1. Laugh it off: "I don't argue with comics"</translation>
    </message>
    <message>
      <source>気分は晴れた。
会社もあなたの強気を頼もしく思っている。</source>
      <comment>31 result 1</comment>
      <translation>You feel much better.
Nagare admires your nerve.</translation>
    </message>
    <message>
      <source>２．鵺田君より先に漫画家へ資料を渡す</source>
      <comment>31 answer 2</comment>
      <translation>2. Beat Nueda to the cartoonist with documents</translation>
    </message>
    <message>
      <source>告発の主役は漫画に移り、鵺田君の出番が消えた。
だが会社は資料の出所を嫌い、厚生省も警戒した。</source>
      <comment>31 result 2</comment>
      <translation>The comic took the lead role, and Nueda lost his part.
But Nagare resented the leak; the Ministry grew wary.</translation>
    </message>
    <message>
      <source>３．出版社に広告を出して牽制する</source>
      <comment>31 answer 3</comment>
      <translation>3. Buy advertising to lean on the publisher</translation>
    </message>
    <message>
      <source>広告費に10万円を払い、気を揉んだ。
騒ぎはかえって大きくなり、次の回には鵺田君が登場した。</source>
      <comment>31 result 3</comment>
      <translation>You paid 100,000 yen for ads, and fretted.
The fuss only grew; the next instalment featured Nueda.</translation>
    </message>
    <message>
      <source>４．「作中の悪役は鵺田君だ」と吹聴する</source>
      <comment>31 answer 4</comment>
      <translation>4. Put it about that the villain is Nueda</translation>
    </message>
    <message>
      <source>噂は広まり、鵺田君は失速した。
厚生省も矛先が逸れてひと息つき、あなたの溜飲も下がった。</source>
      <comment>31 result 4</comment>
      <translation>The rumour spread, and Nueda came down to earth.
The heat off, the Ministry relaxed. You felt avenged.</translation>
    </message>
    <message>
      <source>年が明け、新しい大臣が就任した。
献金の相場は、なぜか下がっている。</source>
      <comment>32 prompt</comment>
      <translation>A new year, and a new minister in office.
The going rate has, oddly, come down.</translation>
    </message>
    <message>
      <source>１．30万円を献金する</source>
      <comment>32 answer 1</comment>
      <translation>1. Donate 300,000 yen</translation>
    </message>
    <message>
      <source>30万円で済み、大臣の秘書は深々と頭を下げた。
安くなった理由は、聞かないでおいた。</source>
      <comment>32 result 1</comment>
      <translation>300,000 yen sufficed; his secretary bowed deeply.
You chose not to ask why it was cheaper.</translation>
    </message>
    <message>
      <source>２．新大臣の経歴を調べ上げる</source>
      <comment>32 answer 2</comment>
      <translation>2. Dig into the new minister's background</translation>
    </message>
    <message>
      <source>経歴は立派で、弱みは見つからなかった。
嗅ぎ回ったことは、翌日には大臣の耳に入っていた。</source>
      <comment>32 result 2</comment>
      <translation>An admirable record. No weakness turned up.
Your snooping reached the minister the next day.</translation>
    </message>
    <message>
      <source>３．会社からの研究費を献金に回す</source>
      <comment>32 answer 3</comment>
      <translation>3. Pay it with Nagare's research money</translation>
    </message>
    <message>
      <source>自分の懐は痛まず、気楽なものだ。
会社はまだ気付いていない。
大臣は上機嫌で、研究班の予算まで増やしてくれた。</source>
      <comment>32 result 3</comment>
      <translation>It cost you nothing, which was pleasant.
Nagare has not noticed yet.
The minister, delighted, even raised the group's budget.</translation>
    </message>
    <message>
      <source>４．大臣の会合を梯子して顔を売る</source>
      <comment>32 answer 4</comment>
      <translation>4. Show your face at every ministerial do</translation>
    </message>
    <message>
      <source>会合を五つ梯子した。
大臣の顔は覚えたが、大臣はあなたを覚えていない。</source>
      <comment>32 result 4</comment>
      <translation>Five functions in one evening.
You learned the minister's face; he never learned yours.</translation>
    </message>
    <message>
      <source>新大臣が省内に調査チームを作り、
当時の資料を洗い直すという。</source>
      <comment>33 prompt</comment>
      <translation>The new minister has set up an inquiry team
to go back over the papers of the period.</translation>
    </message>
    <message>
      <source>１．調査チームの外部委員に名乗り出る</source>
      <comment>33 answer 1</comment>
      <translation>1. Volunteer as an outside member of the team</translation>
    </message>
    <message>
      <source>調べる側に回ると、疑いは不思議と和らいだ。
最初の仕事は、自分の名前を探すことだった。</source>
      <comment>33 result 1</comment>
      <translation>Once you were among the investigators, suspicion eased.
Your first task was to look for your own name.</translation>
    </message>
    <message>
      <source>２．会社の関与を調査チームに報告する</source>
      <comment>33 answer 2</comment>
      <translation>2. Report Nagare's role to the inquiry</translation>
    </message>
    <message>
      <source>会社はあなたを裏切り者と見なした。
年賀状の名簿から、あなたの名前が消えた。</source>
      <comment>33 result 2</comment>
      <translation>Nagare now regards you as a traitor.
Your name was struck off its New Year card list.</translation>
    </message>
    <message>
      <source>３．調査チームの会食費を持つ</source>
      <comment>33 answer 3</comment>
      <translation>3. Pay for the inquiry team's dinners</translation>
    </message>
    <message>
      <source>会食費に30万円。調査チームは満腹になり、
報告書の締め切りは一か月延びた。</source>
      <comment>33 result 3</comment>
      <translation>300,000 yen on dinners. The inquiry ate well,
and its report deadline slipped by a month.</translation>
    </message>
    <message>
      <source>４．自分に不利な資料を探し出す</source>
      <comment>33 answer 4</comment>
      <translation>4. Hunt out the papers that incriminate you</translation>
    </message>
    <message>
      <source>隅々まで探したが、不利な書類は見当たらなかった。
先に誰かが探したらしい。省は、その誰かを探さなかった。</source>
      <comment>33 result 4</comment>
      <translation>You searched every corner; nothing damaging turned up.
Someone got there first. The Ministry did not ask who.</translation>
    </message>
    <message>
      <source>研究班の元班長が告発された。
次はあなたの番かもしれない。</source>
      <comment>34 prompt</comment>
      <translation>The research group's former head is accused.
You may be next.</translation>
    </message>
    <message>
      <source>１．元班長をかばう証言をする</source>
      <comment>34 answer 1</comment>
      <translation>1. Give evidence in his defence</translation>
    </message>
    <message>
      <source>会社は大いに感謝した。
厚生省も、かばい合いの輪が広がるのを歓迎している。</source>
      <comment>34 result 1</comment>
      <translation>Nagare was most grateful.
The Ministry welcomes a wider circle of mutual cover.</translation>
    </message>
    <message>
      <source>２．元班長と会社の癒着を証言する</source>
      <comment>34 answer 2</comment>
      <translation>2. Testify to his cosy ties with Nagare</translation>
    </message>
    <message>
      <source>会社の信頼を大きく失った。
自分が受け取った分だけは、言い忘れておいた。</source>
      <comment>34 result 2</comment>
      <translation>You lost much of Nagare's trust.
You forgot to mention your own share.</translation>
    </message>
    <message>
      <source>３．元班長との関係を否定する</source>
      <comment>34 answer 3</comment>
      <translation>3. Deny any connection with him</translation>
    </message>
    <message>
      <source>「面識もない」と言った翌日、集合写真が出回った。
あなたは元班長の隣で笑っていた。</source>
      <comment>34 result 3</comment>
      <translation>The day after "We've never met", a group photo surfaced.
There you were beside him, smiling.</translation>
    </message>
    <message>
      <source>４．高みの見物を決め込む</source>
      <comment>34 answer 4</comment>
      <translation>4. Watch from a safe distance</translation>
    </message>
    <message>
      <source>他人事だと思うと、体が軽くなった。
厚生省は、同じ研究班の名簿をめくっている。</source>
      <comment>34 result 4</comment>
      <translation>As it was someone else's problem, you felt lighter.
The Ministry is leafing through the group's roster.</translation>
    </message>
    <message>
      <source>「ない」とされていたファイルが
厚生省の書庫で見つかった。公表はまだだ。</source>
      <comment>35 prompt</comment>
      <translation>Files that "did not exist" have turned up in
the Ministry's archive. Not yet made public.</translation>
    </message>
    <message>
      <source>１．ファイルの公表を厚生省に進言する</source>
      <comment>35 answer 1</comment>
      <translation>1. Advise the Ministry to publish the files</translation>
    </message>
    <message>
      <source>先手を打つ進言に、厚生省はあなたを味方と見た。
公表の会見では、大臣の隣にあなたの席が用意された。</source>
      <comment>35 result 1</comment>
      <translation>The Ministry took your pre-emptive advice as loyalty.
At the announcement, you were seated by the minister.</translation>
    </message>
    <message>
      <source>２．会社の関与を調査チームに耳打ちする</source>
      <comment>35 answer 2</comment>
      <translation>2. Whisper Nagare's part to the inquiry team</translation>
    </message>
    <message>
      <source>厚生省は矛先が逸れて喜んだが、
会社の信頼を大きく失った。</source>
      <comment>35 result 2</comment>
      <translation>The Ministry was glad of the distraction,
but you lost much of Nagare's trust.</translation>
    </message>
    <message>
      <source>３．ファイルの写しを手に入れようとする</source>
      <comment>35 answer 3</comment>
      <translation>3. Try to get hold of a copy of the files</translation>
    </message>
    <message>
      <source>写しを頼んだ相手は、調査チームの一員だった。
厚生省の疑いは跳ね上がり、話は鵺田君にも伝わった。</source>
      <comment>35 result 3</comment>
      <translation>The man you asked for a copy sat on the inquiry team.
The Ministry's suspicion soared, and Nueda heard of it.</translation>
    </message>
    <message>
      <source>４．「なかった」ことにするよう省に頼む</source>
      <comment>35 answer 4</comment>
      <translation>4. Ask the Ministry to let them "not exist"</translation>
    </message>
    <message>
      <source>厚生省は同じ結論にたどり着いて喜んだ。
ファイルは再び、なかったことになった。</source>
      <comment>35 result 4</comment>
      <translation>The Ministry, having reached the same view, was pleased.
Once again, the files did not exist.</translation>
    </message>
    <message>
      <source>大臣が国の法的責任を初めて認め、
原告に謝罪した。記者があなたを待っている。</source>
      <comment>36 prompt</comment>
      <translation>The minister has, at last, admitted liability
and apologised. Reporters are waiting for you.</translation>
    </message>
    <message>
      <source>１．記者の前で大臣にならい頭を下げる</source>
      <comment>36 answer 1</comment>
      <translation>1. Bow before the cameras, as the minister did</translation>
    </message>
    <message>
      <source>カメラの前で頭を下げ続けた。
お辞儀の角度まで、記者に測られた。</source>
      <comment>36 result 1</comment>
      <translation>You stayed bowed before the cameras.
The press measured even the angle of your bow.</translation>
    </message>
    <message>
      <source>２．謝罪広告の費用を負担する</source>
      <comment>36 answer 2</comment>
      <translation>2. Pay for the apology advertisements</translation>
    </message>
    <message>
      <source>謝罪広告の費用に30万円を出した。
出したのは、金だけだ。</source>
      <comment>36 result 2</comment>
      <translation>You paid 300,000 yen for the apology adverts.
Money was all you gave.</translation>
    </message>
    <message>
      <source>３．「私は知らなかった」と言って回る</source>
      <comment>36 answer 3</comment>
      <translation>3. Tell everyone "I did not know"</translation>
    </message>
    <message>
      <source>知らなかったと言うたび、気は楽になった。
厚生省は、知っていた頃の書類を持っている。</source>
      <comment>36 result 3</comment>
      <translation>Each time you said you didn't know, you felt better.
The Ministry has the papers from when you did.</translation>
    </message>
    <message>
      <source>４．原告の前で深く頭を下げる</source>
      <comment>36 answer 4</comment>
      <translation>4. Bow deeply before the plaintiffs</translation>
    </message>
    <message>
      <source>長い沈黙が続いた。
顔を上げる頃合いは、誰も教えてくれなかった。</source>
      <comment>36 result 4</comment>
      <translation>A long silence followed.
No one told you when to raise your head.</translation>
    </message>
    <message>
      <source>厚生省がナガレ薬研への
立ち入り検査に踏み切った。</source>
      <comment>37 prompt</comment>
      <translation>The Ministry has ordered an on-site inspection
of Nagare Pharmaceutical.</translation>
    </message>
    <message>
      <source>１．検査に全面協力する</source>
      <comment>37 answer 1</comment>
      <translation>1. Cooperate fully with the inspection</translation>
    </message>
    <message>
      <source>会社は激怒し、あなたへの信頼は地に落ちた。
押収書類にはあなたの名前もあり、省はそこに付箋を貼った。</source>
      <comment>37 result 1</comment>
      <translation>Nagare was furious; its trust in you hit the floor.
Seized papers named you; the Ministry flagged the page.</translation>
    </message>
    <message>
      <source>２．書類を徹夜でシュレッダーにかける</source>
      <comment>37 answer 2</comment>
      <translation>2. Shred documents all through the night</translation>
    </message>
    <message>
      <source>紙くずの山の中で朝を迎えた。
新しいシュレッダー代に10万円かかった。</source>
      <comment>37 result 2</comment>
      <translation>Dawn found you in a heap of paper strips.
A new shredder cost 100,000 yen.</translation>
    </message>
    <message>
      <source>３．鵺田君と会社の接点を検査官に囁く</source>
      <comment>37 answer 3</comment>
      <translation>3. Tip off inspectors about Nueda and Nagare</translation>
    </message>
    <message>
      <source>検査官の関心は鵺田君に向き、彼は失速した。
囁いた話の半分は、本当だった。</source>
      <comment>37 result 3</comment>
      <translation>The inspectors turned to Nueda, and he lost ground.
Half of what you whispered was true.</translation>
    </message>
    <message>
      <source>４．検査の一部始終を門の外で見届ける</source>
      <comment>37 answer 4</comment>
      <translation>4. Watch the inspection from outside the gate</translation>
    </message>
    <message>
      <source>寒空の下、運び出される箱を夕方まで数えた。
百を超えたところで、数えるのをやめた。</source>
      <comment>37 result 4</comment>
      <translation>In the cold you counted boxes carried out until dusk.
Past a hundred, you stopped counting.</translation>
    </message>
    <message>
      <source>ナガレ薬研の社長が、明日の記者会見で
頭を下げることになった。</source>
      <comment>38 prompt</comment>
      <translation>Nagare Pharmaceutical's president is to bow
in apology at tomorrow's press conference.</translation>
    </message>
    <message>
      <source>１．「遅すぎる」と社長を非難してみせる</source>
      <comment>38 answer 1</comment>
      <translation>1. Make a show of calling it "too late"</translation>
    </message>
    <message>
      <source>厚生省はあなたの姿勢を喜んだが、
会社の信頼を大きく失った。</source>
      <comment>38 result 1</comment>
      <translation>The Ministry liked your stance,
but Nagare's trust in you collapsed.</translation>
    </message>
    <message>
      <source>２．会社の補償金の一部を肩代わりする</source>
      <comment>38 answer 2</comment>
      <translation>2. Cover part of Nagare's compensation</translation>
    </message>
    <message>
      <source>50万円が飛んでいった。
会見では、会社の誠意として読み上げられる。</source>
      <comment>38 result 2</comment>
      <translation>500,000 yen flew away.
Tomorrow it will be announced as Nagare's good faith.</translation>
    </message>
    <message>
      <source>３．謝罪文の草稿に手を入れる</source>
      <comment>38 answer 3</comment>
      <translation>3. Edit the draft of the apology</translation>
    </message>
    <message>
      <source>「責任」の二文字を消すと、文面は見違えるほど短くなった。
会社寄りの文面に、厚生省は不信を強めた。</source>
      <comment>38 result 3</comment>
      <translation>With "responsibility" cut, it was half the length.
Its tilt toward Nagare deepened the Ministry's distrust.</translation>
    </message>
    <message>
      <source>４．会見の稽古に助言役として付き合う</source>
      <comment>38 answer 4</comment>
      <translation>4. Coach him for the press conference</translation>
    </message>
    <message>
      <source>医学の質問だけで、想定問答は百問に達した。
社長は「遺憾」だけは一度で覚えた。</source>
      <comment>38 result 4</comment>
      <translation>The medical questions alone ran to a hundred.
The president got "we regret" right first time.</translation>
    </message>
    <message>
      <source>ナガレ薬研の社長が
責任を取って辞任した。</source>
      <comment>39 prompt</comment>
      <translation>Nagare Pharmaceutical's president
has resigned, taking responsibility.</translation>
    </message>
    <message>
      <source>１．黙って成り行きを見守る</source>
      <comment>39 answer 1</comment>
      <translation>1. Watch events unfold in silence</translation>
    </message>
    <message>
      <source>何も起こらず、何も変わらなかった。</source>
      <comment>39 result 1</comment>
      <translation>Nothing happened, and nothing changed.</translation>
    </message>
    <message>
      <source>２．後任人事に口を出す</source>
      <comment>39 answer 2</comment>
      <translation>2. Meddle in choosing his successor</translation>
    </message>
    <message>
      <source>後任は、前任によく似た人に決まった。</source>
      <comment>39 result 2</comment>
      <translation>The new president closely resembles the old one.</translation>
    </message>
    <message>
      <source>３．社長の退職金の上乗せを工作する</source>
      <comment>39 answer 3</comment>
      <translation>3. Scheme to fatten his retirement payoff</translation>
    </message>
    <message>
      <source>工作はばれかけ、厚生省の疑いが強まった。
鵺田君は退職金の額を、患者の補償額と並べて発表した。</source>
      <comment>39 result 3</comment>
      <translation>The scheme nearly leaked; the Ministry grew suspicious.
Nueda set the payoff beside the patients' compensation.</translation>
    </message>
    <message>
      <source>４．「会社の問題」と距離を置く</source>
      <comment>39 answer 4</comment>
      <translation>4. Keep your distance: "A company matter"</translation>
    </message>
    <message>
      <source>「会社の問題」は便利な言葉だ。
厚生省も、翌日から同じ言葉を使い始めた。</source>
      <comment>39 result 4</comment>
      <translation>"A company matter" is a useful phrase.
By the next day the Ministry was using it too.</translation>
    </message>
    <message>
      <source>ナガレ薬研に
捜査当局の家宅捜索が入った。</source>
      <comment>40 prompt</comment>
      <translation>Investigators have raided
Nagare Pharmaceutical's offices.</translation>
    </message>
    <message>
      <source>１．捜査に素直に協力する</source>
      <comment>40 answer 1</comment>
      <translation>1. Cooperate with the investigators</translation>
    </message>
    <message>
      <source>事情聴取は夜十時まで続いた。
カツ丼は出なかった。</source>
      <comment>40 result 1</comment>
      <translation>The questioning went on until ten at night.
Nobody sent out for food, as they do on television.</translation>
    </message>
    <message>
      <source>２．刑事事件に強い弁護士を雇う</source>
      <comment>40 answer 2</comment>
      <translation>2. Hire a sharp criminal lawyer</translation>
    </message>
    <message>
      <source>着手金に20万円。
弁護士の第一声は「で、先生は何をなさったんです」だった。</source>
      <comment>40 result 2</comment>
      <translation>A 200,000 yen retainer.
His first words: "So, Doctor, what exactly did you do?"</translation>
    </message>
    <message>
      <source>３．隠し口座の金を引き出す</source>
      <comment>40 answer 3</comment>
      <translation>3. Draw the money out of the secret account</translation>
    </message>
    <message>
      <source>40万円を手元に移した。
口座の名義が飼い猫だったことは、まだ誰も知らない。</source>
      <comment>40 result 3</comment>
      <translation>You drew out 400,000 yen and kept it close.
No one yet knows the account is in the cat's name.</translation>
    </message>
    <message>
      <source>４．関係書類を自宅に避難させる</source>
      <comment>40 answer 4</comment>
      <translation>4. Take the relevant papers home for safety</translation>
    </message>
    <message>
      <source>会社は感謝し、厚生省も関係書類が消えてほっとした。
自宅の押し入れは、もう満杯だ。</source>
      <comment>40 result 4</comment>
      <translation>Nagare thanked you; the Ministry was glad they had gone.
The cupboards at home are now full.</translation>
    </message>
    <message>
      <source>研究班の元班長が
事情聴取に応じた。</source>
      <comment>41 prompt</comment>
      <translation>The research group's former head
has agreed to be questioned.</translation>
    </message>
    <message>
      <source>１．元班長に口止めを頼み込む</source>
      <comment>41 answer 1</comment>
      <translation>1. Beg the former head to keep quiet</translation>
    </message>
    <message>
      <source>頼み込んだ電話は、録音されていた。
鵺田君がそれを公表し、省はあなたとの面識を否定した。
心身ともに限界だ。</source>
      <comment>41 result 1</comment>
      <translation>The call in which you begged him was taped.
Nueda released it; the Ministry denied ever knowing you.
You are at the end of your tether, body and mind.</translation>
    </message>
    <message>
      <source>２．会社と供述の方針を詰める</source>
      <comment>41 answer 2</comment>
      <translation>2. Settle your story with Nagare</translation>
    </message>
    <message>
      <source>会社は感謝した。
「記憶にない」の言い方を十二通り覚えた。</source>
      <comment>41 result 2</comment>
      <translation>Nagare was grateful.
You learned twelve ways to say "I have no recollection".</translation>
    </message>
    <message>
      <source>３．すべての責任を元班長に押しつける</source>
      <comment>41 answer 3</comment>
      <translation>3. Pin all the blame on the former head</translation>
    </message>
    <message>
      <source>責任はすべて元班長の机に積まれた。
「机ひとつに載る量か」と鵺田君が噛みつき、
厚生省も不審を抱いた。</source>
      <comment>41 result 3</comment>
      <translation>All the blame was piled on the former head's desk.
"Does it all fit on one desk?" Nueda demanded,
and the Ministry grew suspicious too.</translation>
    </message>
    <message>
      <source>４．海外の学会出張に出かける</source>
      <comment>41 answer 4</comment>
      <translation>4. Leave for a conference abroad</translation>
    </message>
    <message>
      <source>出張費の名目で20万円を受け取り、悠々と出国した。
厚生省は逃亡を疑っている。</source>
      <comment>41 result 4</comment>
      <translation>You drew 200,000 yen in expenses and left at leisure.
The Ministry suspects you have fled.</translation>
    </message>
  </context>
</TS>
