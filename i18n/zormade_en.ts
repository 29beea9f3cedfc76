<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
  <context>
    <name>strings</name>
    <message>
      <source>ＺＯＲＭade</source>
      <comment>128</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>一時停止します。</source>
      <comment>200</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>PAUSE</source>
      <comment>201</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>一時停止を解除します。</source>
      <comment>202</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>PAUSE EXIT</source>
      <comment>203</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ゲームを中断します、よろしいですか？</source>
      <comment>204</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>STOP</source>
      <comment>205</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>一時停止(&amp;P)</source>
      <comment>206</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>一時停止解除(&amp;P)</source>
      <comment>207</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>GAME OVER</source>
      <comment>210</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>捕まってしまった......</source>
      <comment>211</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>CLEAR!!</source>
      <comment>212</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>%1。</source>
      <comment>213</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>結果</source>
      <comment>220</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ランキングと設定を保存できませんでした。
%1
%2</source>
      <comment>230</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>起動時に読み込めなかったため、ファイルはそのままです（%1）。</source>
      <comment>231</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>書き込みが許可されていないファイルです</source>
      <comment>232</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>通常のファイルではありません</source>
      <comment>233</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>整数を入力してください。</source>
      <comment>240</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>使えない文字が含まれています。</source>
      <comment>241</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>半角%1文字（全角%2文字）以内で入力してください。</source>
      <comment>242</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>OK</source>
      <comment>250</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>はい(&amp;Y)</source>
      <comment>251</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>いいえ(&amp;N)</source>
      <comment>252</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>体力</source>
      <comment>260</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ナガレ薬研信頼</source>
      <comment>261</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>鵺田君パワー</source>
      <comment>262</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>厚生省疑惑</source>
      <comment>263</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>所持金（万円）</source>
      <comment>264</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ＨＩＶ患者数（人）</source>
      <comment>265</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>限界</source>
      <comment>266</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>体力が尽きた</source>
      <comment>270</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>鵺田君パワーが限界を超えた</source>
      <comment>271</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>厚生省疑惑が限界を超えた</source>
      <comment>272</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>%1（%2）　……そして捕まってしまった</source>
      <comment>273</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>1996年12月まで逃げ切った！　POINT:%1（%2）</source>
      <comment>274</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>%1 でゲームを中断した</source>
      <comment>275</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>問%1・答%2</source>
      <comment>276</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>%1　%2　%3
　　　　　→ %4</source>
      <comment>277</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>グラフを描く部品を読み込めませんでした。
%1</source>
      <comment>278</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>患者%1人×0.88＋所持金%2円÷7578</source>
      <comment>279</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>%1　%2／%3</source>
      <comment>280</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>万円</source>
      <comment>282</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>人</source>
      <comment>283</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>64 MiB を超える大きさのため読み込みません</source>
      <comment>290</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ほかのプログラムが %1 を放さなかったため、待たずに保存しました。</source>
      <comment>291</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ディスクの空き容量がありません</source>
      <comment>292</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>アクセスが許可されていません</source>
      <comment>293</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>読み取り専用のファイルシステムです</source>
      <comment>294</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ファイルが大きすぎます</source>
      <comment>295</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>フォルダーです</source>
      <comment>296</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>フォルダーではありません</source>
      <comment>297</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>シンボリックリンクが多すぎるか、循環しています</source>
      <comment>298</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ディスクの使用量の上限を超えています</source>
      <comment>299</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ファイルまたはフォルダーがありません</source>
      <comment>300</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>名前が長すぎます</source>
      <comment>301</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>開いて読み書きできる種類のファイルではありません</source>
      <comment>302</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>思いがけないエラーです</source>
      <comment>303</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ほかのユーザーのファイルやフォルダーを指すシンボリックリンクのため、たどりません</source>
      <comment>304</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>シンボリックリンクです</source>
      <comment>305</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ランキングも設定も含まないファイルのため、書き換えません</source>
      <comment>306</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>%1 をロックに使えなかったため（%2）、待たずに保存しました。</source>
      <comment>307</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>次の記録がファイルに残っているか確かめられませんでした。
%1</source>
      <comment>308</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>%1（%2点）</source>
      <comment>309</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>体力   －－＞%1%2</source>
      <comment>400</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>所持金－－＞%1%2</source>
      <comment>401</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>患者数－－＞%1人%2</source>
      <comment>402</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ナガレ信頼－＞%1%2</source>
      <comment>403</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>鵺田君－－＞%1%2</source>
      <comment>404</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>厚生省疑惑＞%1%2</source>
      <comment>405</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>増加</source>
      <comment>406</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>減少</source>
      <comment>407</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>所持金－－＞そこをつきました。</source>
      <comment>408</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>所持金－－＞要求額が大きすぎます。</source>
      <comment>409</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>患者数－－＞増えていません。投与しましょう。</source>
      <comment>410</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>POINT:%1
「わはははは！！」</source>
      <comment>411</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>zormade</source>
      <comment>57344</comment>
      <translation type="unfinished" />
    </message>
  </context>
  <context>
    <name>menu 128</name>
    <message>
      <source>ﾒﾆｭｰ(&amp;M)</source>
      <comment>popup</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ｹﾞｰﾑ開始(&amp;S)</source>
      <comment>32771</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>一時停止(&amp;P)</source>
      <comment>32774</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ｹﾞｰﾑ中断(&amp;E)</source>
      <comment>32772</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ﾗﾝｷﾝｸﾞ(&amp;R)</source>
      <comment>32773</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ｸﾞﾗﾌ(&amp;G)</source>
      <comment>32776</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ｵﾌﾟｼｮﾝ(&amp;O)</source>
      <comment>32775</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ｹﾞｰﾑの終了(&amp;X)</source>
      <comment>57665</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ﾍﾙﾌﾟ(&amp;H)</source>
      <comment>popup</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ﾊﾞｰｼﾞｮﾝ情報(&amp;A)</source>
      <comment>57664</comment>
      <translation type="unfinished" />
    </message>
  </context>
  <context>
    <name>template 100</name>
    <message>
      <source>ﾊﾞｰｼﾞｮﾝ情報</source>
      <comment>caption</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ZORMADE のアイコン</source>
      <comment>#0 label</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ZORMade Version 0.1</source>
      <comment>#1 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>OK</source>
      <comment>1 text</comment>
      <translation type="unfinished" />
    </message>
  </context>
  <context>
    <name>template 101</name>
    <message>
      <source>ＨＩＶ患者数</source>
      <comment>#0 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>体力</source>
      <comment>#1 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>厚生省疑惑</source>
      <comment>#2 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ナガレ薬研信頼</source>
      <comment>#3 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>所持金</source>
      <comment>#4 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>鵺田君パワー</source>
      <comment>#5 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>体力</source>
      <comment>1001 label</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>体力。毎月のコマンドで減っていく。
0を下回ると捕まる。</source>
      <comment>1001 tip</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ナガレ薬研信頼</source>
      <comment>1002 label</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ナガレ薬研の信頼。
高いほど大きな要求額が通る。</source>
      <comment>1002 tip</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>鵺田君パワー</source>
      <comment>1005 label</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>鵺田君パワー。患者が多いほど強まる。
5000を超えると捕まる。</source>
      <comment>1005 tip</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>厚生省疑惑</source>
      <comment>1006 label</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>厚生省の疑惑。投与で強まり、献金で弱まる。
5000を超えると捕まる。</source>
      <comment>1006 tip</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>円</source>
      <comment>#10 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>人</source>
      <comment>#11 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>年</source>
      <comment>#12 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>所持金</source>
      <comment>1015 label</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>所持金。逃げ切れば、7578円ごとに1点になる。
要求額で増え、献金と投資で減る。</source>
      <comment>1015 tip</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ＨＩＶ患者数</source>
      <comment>1016 label</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ＨＩＶ患者数。逃げ切れば、1人ごとに0.88点になる。
増えるほど鵺田君パワーも強まる。</source>
      <comment>1016 tip</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>月</source>
      <comment>#15 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>月</source>
      <comment>1017 label</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>年</source>
      <comment>1018 label</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ステータス</source>
      <comment>#18 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>コマンド</source>
      <comment>#19 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>メッセージ</source>
      <comment>1041 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>患者への投与</source>
      <comment>1020 label</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>患者が増え、ナガレ薬研の信頼が上がるが、
厚生省の疑惑も強まる。毎月、体力を使う。
同じ量を4か月続けると患者の伸びが落ち、
5か月続けると止まる。量を変えれば戻る。</source>
      <comment>1020 tip</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>厚生省へ献金</source>
      <comment>1021 label</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>厚生省の疑惑を抑える。所持金が尽きると効かない。
毎月、所持金と体力を使い、ナガレ薬研の信頼も減る。</source>
      <comment>1021 tip</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ﾅｶﾞﾚ薬研要求額</source>
      <comment>1022 label</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ナガレ薬研から金を引き出す。毎月、体力を使う。
信頼が足りなければ一円も出ない。</source>
      <comment>1022 tip</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>鵺田君対策へ投資</source>
      <comment>1023 label</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>鵺田君パワーを削る。
毎月、所持金と体力を使い、ナガレ薬研の信頼も減る。</source>
      <comment>1023 tip</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>患者への投与</source>
      <comment>#25 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>厚生省へ献金</source>
      <comment>#26 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ﾅｶﾞﾚ薬研要求額</source>
      <comment>#27 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>鵺田君対策へ投資</source>
      <comment>#28 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>大</source>
      <comment>#29 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>小</source>
      <comment>#30 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>メッセージ</source>
      <comment>1026 label</comment>
      <translation type="unfinished" />
    </message>
  </context>
  <context>
    <name>template 130</name>
    <message>
      <source>タイトル画面</source>
      <comment>1000 label</comment>
      <translation type="unfinished" />
    </message>
  </context>
  <context>
    <name>template 131</name>
    <message>
      <source>RANKING</source>
      <comment>caption</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>OK</source>
      <comment>1 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>1</source>
      <comment>#1 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>2</source>
      <comment>#2 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>3</source>
      <comment>#3 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>4</source>
      <comment>#4 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>5</source>
      <comment>#5 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>RANK</source>
      <comment>#6 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>POINT</source>
      <comment>#7 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>NAME</source>
      <comment>#8 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>RANK 1 POINT</source>
      <comment>1027 label</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>RANK 2 POINT</source>
      <comment>1028 label</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>RANK 3 POINT</source>
      <comment>1029 label</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>RANK 4 POINT</source>
      <comment>1030 label</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>RANK 5 POINT</source>
      <comment>1015 label</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>RANK 1 NAME</source>
      <comment>1016 label</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>RANK 2 NAME</source>
      <comment>1017 label</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>RANK 3 NAME</source>
      <comment>1018 label</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>RANK 4 NAME</source>
      <comment>1031 label</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>RANK 5 NAME</source>
      <comment>1032 label</comment>
      <translation type="unfinished" />
    </message>
  </context>
  <context>
    <name>template 134</name>
    <message>
      <source>EVENT</source>
      <comment>caption</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>イベントの絵</source>
      <comment>1040 label</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>選択肢</source>
      <comment>1026 label</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>質問</source>
      <comment>1027 label</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>選択肢</source>
      <comment>#3 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>決定</source>
      <comment>1 text</comment>
      <translation type="unfinished" />
    </message>
  </context>
  <context>
    <name>template 138</name>
    <message>
      <source>RANK IN!!</source>
      <comment>caption</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>OK</source>
      <comment>1 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Point</source>
      <comment>1027 label</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Rank</source>
      <comment>1028 label</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Enter your name</source>
      <comment>1029 label</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Enter your name</source>
      <comment>#4 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Point</source>
      <comment>#5 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>  Rank</source>
      <comment>#6 text</comment>
      <translation type="unfinished" />
    </message>
  </context>
  <context>
    <name>template 139</name>
    <message>
      <source>END</source>
      <comment>caption</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>OK</source>
      <comment>1 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>結末の絵</source>
      <comment>1040 label</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>結果</source>
      <comment>1027 label</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>メッセージ</source>
      <comment>1028 label</comment>
      <translation type="unfinished" />
    </message>
  </context>
  <context>
    <name>template 150</name>
    <message>
      <source>OPTION</source>
      <comment>caption</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>OK</source>
      <comment>1 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ｷｬﾝｾﾙ</source>
      <comment>2 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ｵ-ﾌﾟﾆﾝｸﾞのﾀｲﾄﾙCGを省く</source>
      <comment>1033 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>難易度</source>
      <comment>#3 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ｹﾞｰﾑｽﾋﾟｰﾄﾞ</source>
      <comment>#4 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>激辛</source>
      <comment>1034 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>辛い</source>
      <comment>1035 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>普通</source>
      <comment>1036 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>超高速</source>
      <comment>1037 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>高速</source>
      <comment>1038 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>普通</source>
      <comment>1039 text</comment>
      <translation type="unfinished" />
    </message>
  </context>
  <context>
    <name>template 160</name>
    <message>
      <source>ZORMADE</source>
      <comment>caption</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>OK</source>
      <comment>1 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ブリーフィングの絵</source>
      <comment>#1 label</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ZORMADE Version 0.1</source>
      <comment>#2 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>研究班の医師よ、1996年12月まで
ナガレ薬研と私腹を肥やし、逃げ切れ。
敵は厚生省と、正義を掲げる鵺田君。
投与は会社の、献金は厚生省のため。
要求額は懐の、投資は鵺田君対策だ。
どれも毎月体力を削り、尽きれば逮捕。</source>
      <comment>#3 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>敵のゲージが振り切れても逮捕だ。
覚悟はいいか？　下のOKで開始だ。</source>
      <comment>#4 text</comment>
      <translation type="unfinished" />
    </message>
  </context>
  <context>
    <name>template 170</name>
    <message>
      <source>GRAPH</source>
      <comment>caption</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>OK</source>
      <comment>1 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>体力・信頼・鵺田君パワー・厚生省疑惑のグラフ</source>
      <comment>1050 label</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>所持金と患者数のグラフ</source>
      <comment>1051 label</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>結末</source>
      <comment>1052 text</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>イベントと選んだ答え</source>
      <comment>1053 label</comment>
      <translation type="unfinished" />
    </message>
  </context>
  <context>
    <name>events</name>
    <message>
      <source>厚生省から電話だ。
「先生、海外の研究報告はもうご覧に？」</source>
      <comment>0 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．「すでに把握しております」と即答する</source>
      <comment>0 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>厚生省は胸をなで下ろしたようだ。
把握したのは電話の後だが、些細なことだ。</source>
      <comment>0 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．「目を通しておきます」とだけ答える</source>
      <comment>0 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>電話は短く済んだ。
目を通す予定は、今のところない。</source>
      <comment>0 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．「そんな報告は届いていない」ととぼける</source>
      <comment>0 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>受話器を置いてひと息ついたが、
翌朝、同じ電話がもう一度かかってきた。</source>
      <comment>0 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．英文の報告書を自分で読み込む</source>
      <comment>0 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>辞書を引くたびに、顔色が悪くなった。
読むほどに眠れなくなる報告だった。</source>
      <comment>0 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>加熱製剤への切り替えを求める提案が出た。
ナガレ薬研の倉庫には在庫が山積みだ。</source>
      <comment>1 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．「時期尚早」と会議で反対する</source>
      <comment>1 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>在庫を抱えるナガレ薬研は大喜び。
あなたへの信頼が増した。</source>
      <comment>1 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．結論を次の会議に先送りする</source>
      <comment>1 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>先送りの間も非加熱製剤は使われ、新たに1人が感染した。
厚生省も首をかしげている。</source>
      <comment>1 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．両論併記の報告書をまとめる</source>
      <comment>1 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>玉虫色の文言探しで一日が暮れた。
どちらとも読める名文ができた。</source>
      <comment>1 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．会社の誘いに応じ、割り勘で飲む</source>
      <comment>1 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>割り勘にこだわった分、1万円が出ていった。
「律儀な先生だ」と、ナガレ薬研の覚えはめでたい。</source>
      <comment>1 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>原告の一人が亡くなった。
判決を聞くことはかなわなかった。</source>
      <comment>2 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．香典を包んで弔問に出向く</source>
      <comment>2 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>香典に10万円を包んだ。会社はそれを業界の誠意と吹聴し、
あなたも少し気が軽くなった。</source>
      <comment>2 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．弔電と供花を手配する</source>
      <comment>2 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>供花代に1万円。会社は無難な対応に満足し、
鵺田君も付け入る隙を失った。</source>
      <comment>2 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．「因果関係は不明」との談話を出す</source>
      <comment>2 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>厚生省は同じ見解に安堵した。
遺族には冷たすぎる言葉で、筆は重かった。</source>
      <comment>2 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．黙祷し、資料を読み直す</source>
      <comment>2 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>亡くなった方の無念を思い、手が止まった。
資料は何度読んでも同じことを語っていた。</source>
      <comment>2 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>東京で第三次訴訟が起こされた。
被告席にはナガレ薬研と国が並ぶ。</source>
      <comment>3 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．弁護士に相談料を払って対策を練る</source>
      <comment>3 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>相談料に1万円。中身のない助言だった。</source>
      <comment>3 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．「コメントは差し控える」で通す</source>
      <comment>3 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>厚生省はあなたの沈黙に不審を抱き始めた。</source>
      <comment>3 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．裁判は気にせず製剤の使用を続ける</source>
      <comment>3 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>気は楽になったが、新たに20人が感染した。
鵺田君は支援集会で、その数を読み上げた。</source>
      <comment>3 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．自ら反論資料を作り込む</source>
      <comment>3 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>反論資料は三百頁に達した。誰も読まない。
その間に鵺田君が勢力を伸ばした。</source>
      <comment>3 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>新しい大臣が就任した。
「政治には何かと物入りでね」</source>
      <comment>4 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．10万円を献金する</source>
      <comment>4 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>10万円が消えた。
厚生省の目つきが、少し柔らかくなった。</source>
      <comment>4 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．献金の話を聞き流す</source>
      <comment>4 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>大臣は不機嫌だ。
翌週、研究班の予算書が赤線だらけで戻ってきた。</source>
      <comment>4 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．会社に献金の肩代わりを頼む</source>
      <comment>4 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ナガレ薬研は渋い顔をした。下げた頭は無駄になった。
妙な頼み事は、厚生省の耳にも入ったらしい。</source>
      <comment>4 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．挨拶回りだけで済ませる</source>
      <comment>4 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>足を棒にして、名刺だけが減った。
手ぶらの挨拶に、厚生省は首をかしげている。</source>
      <comment>4 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>大阪で第六次訴訟が起こされた。
原告団は回を追うごとに大きくなる。</source>
      <comment>5 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．大阪まで出向いて傍聴する</source>
      <comment>5 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>新幹線の往復で腰が痛む。留守の間に鵺田君が動き、
厚生省は「なぜ傍聴に」と首をひねっている。</source>
      <comment>5 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．裁判記録だけ取り寄せる</source>
      <comment>5 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>分厚い記録を読むのに骨が折れた。</source>
      <comment>5 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．何もせず、出荷停止も進言しない</source>
      <comment>5 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>止める声は上がらず、出荷は続いた。
新たに40人が感染した。</source>
      <comment>5 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．会社抜きで厚生省と口裏を合わせる</source>
      <comment>5 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>厚生省は喜んだが、蚊帳の外のナガレ薬研は不満顔だ。
口裏は合ったが、胃が痛い。</source>
      <comment>5 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>東京で第四次訴訟が起こされた。
原告側は証拠集めに本腰を入れている。</source>
      <comment>6 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．会社の責任を示す資料を漏らす</source>
      <comment>6 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>会社の信頼を失い、厚生省も情報源を探っている。
気の休まらない日々だ。</source>
      <comment>6 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．会社と厚生省の間を取り持つ</source>
      <comment>6 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>仲介料に20万円を受け取った。省の課長には礼まで言われたが、
板挟みで神経がすり減った。</source>
      <comment>6 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．静観し、回収の進言も見送る</source>
      <comment>6 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>回収を言い出す者はなく、新たに30人が感染した。
省内の会議で、あなたの席は末席に移された。</source>
      <comment>6 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．会社の答弁書づくりを手伝う</source>
      <comment>6 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>答弁書は立派に仕上がった。
残業代は、どこからも出ない。</source>
      <comment>6 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>非加熱製剤による感染の危険性が
学会で指摘された。</source>
      <comment>7 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．「危険性は低い」と反論文を書く</source>
      <comment>7 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>反論文は書くほど長くなり、根拠は短くなった。
掲載された日から、省の担当者の電話が途絶えた。</source>
      <comment>7 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．会社の講演会で安全性を説く</source>
      <comment>7 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>講演料に1万円が入った。
厚生省は「専門家のお墨付き」に安堵している。</source>
      <comment>7 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．「追加調査をする」と時間を稼ぐ</source>
      <comment>7 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>調査の段取りを決める会議の段取りで、半月が過ぎた。
厚生省は引き延ばしに気付いている。</source>
      <comment>7 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．自費で医療機関に注意文書を送る</source>
      <comment>7 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>郵送費と印刷代に4万円。
ナガレ薬研は「余計なことを」と不快感を示した。</source>
      <comment>7 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>大阪で第七次訴訟が起こされた。
あなたを証人に呼ぶという噂もある。</source>
      <comment>8 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．証人として出廷し、一部を認める</source>
      <comment>8 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>証言台の三時間は長かった。会社は裏切りと受け取り、
厚生省も身構えた。鵺田君は傍聴席でメモを取り続けた。</source>
      <comment>8 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．法廷戦術の会議に付き合う</source>
      <comment>8 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>会議は踊り、結論は出なかった。
鵺田君は同じ日の夕刊に談話を載せた。</source>
      <comment>8 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．「様子を見る」と言って休暇を取る</source>
      <comment>8 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>休んで気は晴れたが、その間に新たに20人が感染した。
休み明けの机には、省からの呼び出しのメモが三枚あった。</source>
      <comment>8 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．担当を部下に押しつける</source>
      <comment>8 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>担当は部下に移った。
責任の所在も、ついでに移った。</source>
      <comment>8 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>大阪で第八次訴訟が起こされた。
法廷の外では支援者が声を上げている。</source>
      <comment>9 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．口の堅い弁護士を高額で雇う</source>
      <comment>9 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>着手金に10万円。高い弁護士を雇ったことで、
厚生省は「何を隠しているのか」と勘ぐった。</source>
      <comment>9 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．温泉に出かけて雲隠れする</source>
      <comment>9 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>湯につかって英気を養った。
姿を消したことで、かえって厚生省の目を引いた。</source>
      <comment>9 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．製剤の安全を訴えて全国を回る</source>
      <comment>9 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>講演は全国二十か所を数えた。
その言葉を信じて使われた製剤で、新たに40人が感染した。</source>
      <comment>9 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．過去の書類を「整理」する</source>
      <comment>9 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>「整理」は三日がかりだった。
焼却炉の番も楽ではない。</source>
      <comment>9 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>非加熱製剤の投与を受けた患者で
感染率が最も高いとする報告が出た。</source>
      <comment>10 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．報告を「一研究者の見解」と片づける</source>
      <comment>10 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>その言い回しは、翌週の大臣答弁にそのまま使われた。</source>
      <comment>10 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．報告書の公表を遅らせるよう働きかける</source>
      <comment>10 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>「公表を遅らせろ」という電話の記録が、
なぜか省内に回覧された。</source>
      <comment>10 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．報告の内容を会社に問いただす</source>
      <comment>10 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>会社は不快感を示し、あなたへの信頼が下がった。
厚生省もその動きに目を留めた。胃薬が手放せない。</source>
      <comment>10 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．会社に「対策費」を出させる</source>
      <comment>10 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>対策費に6万円を受け取った。
懐が温まり、気分も上向いた。</source>
      <comment>10 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>東京で第五次訴訟が起こされた。
ナガレ薬研は徹底抗戦の構えだ。</source>
      <comment>11 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．会社に和解を勧める</source>
      <comment>11 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>説得は三時間、平行線のまま終わった。
会社は渋い顔をし、省からは「出過ぎるな」と釘を刺された。</source>
      <comment>11 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．格安の弁護士に5万円で丸投げする</source>
      <comment>11 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>5万円で任せきりにした。
安かろう悪かろうだが、気は楽だ。</source>
      <comment>11 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．会社と歩調を合わせて全面的に争う</source>
      <comment>11 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>会社は喜んだ。だが争う間も製剤は使われ続け、
新たに50人が感染した。
鵺田君は集会で喝采を浴び、厚生省も眉をひそめている。</source>
      <comment>11 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．証拠書類の山に目を通す</source>
      <comment>11 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>証拠書類は段ボール四十箱あった。
目薬が一本空いた。</source>
      <comment>11 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>大阪で第九次訴訟が起こされた。
年の瀬も押し詰まっている。</source>
      <comment>12 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．原告の主張を自費で調べる</source>
      <comment>12 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>調査費に4万円。
原告の主張は、調べるほど正しかった。</source>
      <comment>12 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．厚生省の意向を会社に高く売る</source>
      <comment>12 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>情報料に5万円が入った。売った「意向」は、
厚生省が会社に漏らしてほしかった話そのものだった。
省の課長は、翌日からあなたを名前で呼ぶようになった。</source>
      <comment>12 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．製剤の使用継続に太鼓判を押す</source>
      <comment>12 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>会社の信頼は上がったが、新たに70人が感染した。
鵺田君がその責任を追及し、あなたは釈明に追われた。</source>
      <comment>12 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．早めに年末休暇に入る</source>
      <comment>12 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>正月気分でひと息ついた。</source>
      <comment>12 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>新しい大臣が就任した。
さっそく献金の話を持ちかけてきた。</source>
      <comment>13 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．20万円を献金する</source>
      <comment>13 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>20万円が消えた。大臣は礼も言わなかった。</source>
      <comment>13 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．「献金は法に触れます」と断る</source>
      <comment>13 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>正論は嫌われる。翌日から、省の内線があなたを避け始めた。
会社も「融通が利かない」とあきれている。</source>
      <comment>13 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．大臣の後援会の会員集めに奔走する</source>
      <comment>13 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>後援会の名簿に二百人の名が加わった。
靴を一足、履きつぶした。</source>
      <comment>13 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．大臣との面会の記録を消して回る</source>
      <comment>13 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>記録を消すのに骨を折った。
消した跡を、鵺田君がひとつずつ数えている。</source>
      <comment>13 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>あなたを含む関係者が、
殺人未遂の疑いで刑事告発された。</source>
      <comment>14 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．会社をかばう声明を出す</source>
      <comment>14 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>会社は大喜びで、あなたの気も晴れた。
だが厚生省は、かばい方の熱心さに目を留めた。</source>
      <comment>14 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．厚生省の幹部と口裏を合わせる</source>
      <comment>14 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>省の幹部とは、三十分で話がまとまった。
口裏の合わせ方だけは、互いに慣れている。</source>
      <comment>14 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．「当時の医学水準では妥当」と主張する</source>
      <comment>14 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>会社も厚生省も、この言い訳を自分の談話に書き写した。
当時の医学水準は、いつも便利だ。</source>
      <comment>14 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．弁護士と連日対策を練る</source>
      <comment>14 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>弁護士と向き合う毎日で、白髪が増えた。
鵺田君は告発の会見に同席し、一躍時の人となった。</source>
      <comment>14 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>大阪で第十次訴訟が起こされた。
原告の数は膨らむ一方だ。</source>
      <comment>15 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．国と会社の答弁をすり合わせる</source>
      <comment>15 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>国と会社の答弁書は、句読点まで同じになった。
双方から菓子折りが届き、気分も軽い。</source>
      <comment>15 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．ゴルフで気晴らしをする</source>
      <comment>15 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>スコアは110だったが、気分は晴れた。
同じ組の誰ひとり、訴訟の話をしなかったからだ。</source>
      <comment>15 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．在庫を使い切るよう各地の病院に勧める</source>
      <comment>15 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>全国の病院を回り、在庫は会社の計画より早く尽きた。
新たに80人が感染した。
鵺田君は、あなたの推薦状の写しを記者に配った。</source>
      <comment>15 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．訴訟は会社に任せておく</source>
      <comment>15 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>訴訟は会社の法務部の仕事になった。
あなたの仕事は、待つことだけだ。</source>
      <comment>15 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>以前の大臣がまた就任した。
「今度も、よろしく頼むよ」</source>
      <comment>16 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．前回より多い40万円を献金する</source>
      <comment>16 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>40万円が消えた。再任祝いも込みだそうだ。</source>
      <comment>16 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．会社に献金させ、仲介料を取る</source>
      <comment>16 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>仲介料に5万円が懐に入った。
大臣の秘書から、丁寧な礼状まで届いた。</source>
      <comment>16 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．「前回お納めしました」と粘る</source>
      <comment>16 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>押し問答は二時間に及んだ。
翌日から、省の課長が挨拶を返さなくなった。</source>
      <comment>16 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．就任祝いの花だけ贈る</source>
      <comment>16 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>安く済んでほっとしたが、
花は翌日、秘書室から廊下に出されていた。</source>
      <comment>16 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>汚染された製剤をめぐって
刑事告発がなされた。</source>
      <comment>17 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．会社とは別に自分の弁護士を雇う</source>
      <comment>17 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>20万円で、枕を高くして眠れるようになった。
会社は「自分だけ逃げる気か」と警戒している。</source>
      <comment>17 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．会社に「弁護費用」を請求する</source>
      <comment>17 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>会社から20万円が入った。
会社の金で片がつくならと、厚生省も目をつぶった。</source>
      <comment>17 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．「製剤の管理は適正だった」と言い張る</source>
      <comment>17 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>言い切ってしまえば、こちらのものだ。</source>
      <comment>17 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．出荷記録を一から調べ直す</source>
      <comment>17 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>出荷記録は几帳面に残っていた。
几帳面すぎて、言い逃れの余地がない。</source>
      <comment>17 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>また大臣が替わった。
新大臣の最初の仕事は献金の催促だ。</source>
      <comment>18 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．40万円を献金する</source>
      <comment>18 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>40万円が消えたが、省内の風向きはすっかり変わった。
疑いにも、相場があるらしい。</source>
      <comment>18 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．献金の要求を記者にほのめかす</source>
      <comment>18 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>厚生省はあなたを危険人物と見なした。
会社も「騒ぎを起こすな」と怒っている。</source>
      <comment>18 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．献金の額を値切る</source>
      <comment>18 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>値切り交渉は物別れに終わり、献金は宙に浮いた。
大臣の機嫌だけを損ねた。</source>
      <comment>18 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．大臣の地元で選挙を手伝う</source>
      <comment>18 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>慣れない選挙カーで声が出なくなった。
厚生省は「なぜそこまで」と警戒している。</source>
      <comment>18 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>東京で第六次訴訟が起こされた。
国と会社の責任が改めて問われる。</source>
      <comment>19 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．原告側に内部資料を匿名で送る</source>
      <comment>19 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>厚生省は情報の出所を探っている。気が気でない。</source>
      <comment>19 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．会社の答弁書を添削する</source>
      <comment>19 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>赤ペンが一本空になった。
その間に鵺田君が顔を売った。</source>
      <comment>19 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．回収の進言を「検討中」のまま寝かせる</source>
      <comment>19 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>寝かせている間に、新たに100人が感染した。
「検討中」の書類は、省の監査でそのまま見つかった。</source>
      <comment>19 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．会社の記者会見に同席する</source>
      <comment>19 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>会社は心強く思ったが、フラッシュに目がくらんだ。
あなたの失言は、翌朝には鵺田君の決め台詞になっていた。</source>
      <comment>19 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>取材班が、薬害を告発する本を出した。
あなたの名前も出てくる。</source>
      <comment>20 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．書店から本を買い占める</source>
      <comment>20 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>10万円で買い占め、気が晴れた。
版元はすぐに増刷を決め、厚生省がかすかに首をかしげた。</source>
      <comment>20 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．「読む価値もない」と公言する</source>
      <comment>20 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>言ってすっきりしたが、
厚生省は「さては読んだな」と疑っている。</source>
      <comment>20 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．本は無視して製剤の使用を続ける</source>
      <comment>20 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>気には留めなかったが、その間に新たに1人が感染した。</source>
      <comment>20 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．反論の本を書く</source>
      <comment>20 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>反論の本は三か月で書き上がり、三冊売れた。
鵺田君はあなたの本を酷評して名を上げた。</source>
      <comment>20 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>大阪で第十一次訴訟が起こされた。
今年も原告は増え続けた。</source>
      <comment>21 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．鵺田君の不始末を厚生省に売る</source>
      <comment>21 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>情報料に10万円。鵺田君は失速し、
省の矛先はしばらく彼に向いた。ただ、気苦労はこたえた。</source>
      <comment>21 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．原告団の動きを探偵に探らせる</source>
      <comment>21 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>探偵代に2万円。報告書は薄かった。
妙な動きは、厚生省の知るところとなった。</source>
      <comment>21 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．年明けまで対応を先送りする</source>
      <comment>21 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>先送りの間に新たに50人が感染した。
鵺田君は対応の遅れを、年末の特番で責め立てた。</source>
      <comment>21 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．年末の挨拶回りに追われる</source>
      <comment>21 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>会社持ちの菓子折りを二十箱、配り歩いた。
鵺田君も抜け目なく顔を売っている。</source>
      <comment>21 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>若い原告が実名を公表して
訴えを起こした。世論が動き出す。</source>
      <comment>22 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．原告の身辺を調べさせる</source>
      <comment>22 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>卑劣な工作は漏れ、省の幹部会の議題に上った。
鵺田君は、あなたの依頼書の写しを手に会見を開いた。</source>
      <comment>22 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．会社に謝罪を勧める</source>
      <comment>22 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>説得は空振りに終わった。
会社はあなたを見限りかけている。</source>
      <comment>22 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．鵺田君の古い失言を記者に流す</source>
      <comment>22 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>古い失言が蒸し返され、鵺田君は失速した。
あなたは胸をなで下ろした。</source>
      <comment>22 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．原告の会見を黙って最後まで見る</source>
      <comment>22 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>その勇気を前に、言葉が見つからなかった。
画面を消しても、声が耳に残った。</source>
      <comment>22 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>大阪で第十二次訴訟が起こされた。
原告側は国の責任を厳しく追及する。</source>
      <comment>23 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．原告側の数字の誤りを探す</source>
      <comment>23 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>見つかった誤りは、桁区切りのカンマひとつだった。
厚生省はあなたの焦りを見抜いている。</source>
      <comment>23 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．会社に巨額の「顧問料」を請求する</source>
      <comment>23 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>50万円が入って上機嫌だ。
ただ、金の流れに厚生省が目を光らせ始めた。</source>
      <comment>23 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．全国の患者に再検査を呼びかける</source>
      <comment>23 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>再検査で150人の感染の疑いが晴れた。
呼びかけたのはあなただが、手柄は鵺田君のものになった。</source>
      <comment>23 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．傍聴は部下に任せる</source>
      <comment>23 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>部下の傍聴メモは三行だった。
あなたの午後は、まるごと空いた。</source>
      <comment>23 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>原告団の中心だった一人が亡くなった。
裁判の結末を見届けることはできなかった。</source>
      <comment>24 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．会社から「弔意対応費」を受け取る</source>
      <comment>24 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>会社は弔意まで予算で片づけた。
20万円を受け取り、気も楽だ。
厚生省も安堵したが、鵺田君はその費目名を読み上げてみせた。</source>
      <comment>24 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．会社の用意した追悼文を代読する</source>
      <comment>24 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>謝礼に20万円。波風は立たず、厚生省も胸をなで下ろした。
会社の追悼文は、故人の名前だけが手書きだった。</source>
      <comment>24 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．葬儀に参列し、遺族に頭を下げる</source>
      <comment>24 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>遺族の沈黙が重くのしかかった。</source>
      <comment>24 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．厚生省と連名で哀悼の談話を出す</source>
      <comment>24 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>形ばかりの談話に厚生省は満足した。
後味の悪さだけが残った。</source>
      <comment>24 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>原告たちが厚生省の前で抗議を続けている。
正門前は人で埋まった。</source>
      <comment>25 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．鵺田君が抗議を煽っていると吹き込む</source>
      <comment>25 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>省内は鵺田君を警戒し、彼は大きく失速した。
疑いの目もそちらへ逸れた。根回しで靴底がすり減った。</source>
      <comment>25 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．抗議の列を避けて裏口から省に入る</source>
      <comment>25 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>逃げる姿を撮られた。写真には鵺田君の解説が付き、
翌朝には省の掲示板にも切り抜きが貼られた。</source>
      <comment>25 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．休みを取って自宅にこもる</source>
      <comment>25 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>家でくつろげたが、
肝心なときの不在は、厚生省の手帳に記された。</source>
      <comment>25 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．原告たちの前に出て話を聞く</source>
      <comment>25 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>一人ひとりの訴えを、最後まで聞いた。
帰り道、足がなかなか前に出なかった。</source>
      <comment>25 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>またしても新大臣が就任した。
献金の相場は上がる一方だ。</source>
      <comment>26 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．50万円を献金する</source>
      <comment>26 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>50万円が消えた。翌月の審議会の委員名簿に、
あなたの名前は無事に残った。</source>
      <comment>26 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．聞こえないふりをする</source>
      <comment>26 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>気楽なものだが、大臣室の前を通るたび、
秘書が手帳に何か書きつけるようになった。</source>
      <comment>26 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．会社に追加の献金を迫る</source>
      <comment>26 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>交渉は三日続いた。会社は献金の値上がりまで
あなたのせいにして、信頼を下げた。</source>
      <comment>26 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．献金の仲介を買って出て上前をはねる</source>
      <comment>26 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>40万円の上前をはねた。
上前の勘定だけは、一円も狂わなかった。</source>
      <comment>26 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>支援者たちが再び厚生省を囲んだ。
人の輪は前よりも大きい。</source>
      <comment>27 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．会社に「警備費」を請求する</source>
      <comment>27 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>警備費の名目で70万円が入り、気分がいい。
警備員の出番は一度もなかったが、
省の報告書には「混乱なく収束」と書かれた。</source>
      <comment>27 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．抗議が収まるのを待つ</source>
      <comment>27 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>何も片づかないまま、
支援者と会った鵺田君が株を上げた。</source>
      <comment>27 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．「一部の過激な人々」と談話を出す</source>
      <comment>27 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>談話は大きな批判を浴びた。
鵺田君は「過激な人々」と書いた札を胸に、列に加わった。</source>
      <comment>27 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．支援者の抗議文をすべて読む</source>
      <comment>27 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>抗議文は千通を超えていた。
軽い言葉は、一通もなかった。</source>
      <comment>27 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>東京と大阪の裁判所が、
そろって和解を勧告した。</source>
      <comment>28 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．和解金の一部を自ら負担する</source>
      <comment>28 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>20万円を出した。
大臣の談話に「関係者の歩み寄り」の一言が入った。</source>
      <comment>28 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．和解勧告を「時期尚早」と突っぱねる</source>
      <comment>28 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>会社も厚生省も、もう和解に傾いていた。
会社はあきれ、省は次の会議の席次からあなたを外した。</source>
      <comment>28 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．回答を引き延ばす</source>
      <comment>28 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>引き延ばす間も製剤は使われ続け、
新たに70人が感染した。
鵺田君は和解派として台頭し、厚生省も眉をひそめた。</source>
      <comment>28 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．和解金の総額を抑えるよう進言する</source>
      <comment>28 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>会社は大喜びだ。
省の試算表では、浮いた額に赤丸が付けられた。</source>
      <comment>28 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>厚生省から電話だ。大臣が近く原告に謝罪し、
和解協議に入るという。</source>
      <comment>29 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．和解協議の段取りを会社と詰める</source>
      <comment>29 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>会社も厚生省も満足げだ。
だが協議の席で一番目立ったのは、鵺田君だった。</source>
      <comment>29 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．大臣に同調し、会社の責任も認める</source>
      <comment>29 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>会社はあなたを見限り始めた。</source>
      <comment>29 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．和解協議への協力を断る</source>
      <comment>29 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>受話器の向こうで、沈黙が長く続いた。
厚生省はあなたの名前を、別の名簿に移したようだ。</source>
      <comment>29 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．研究班の談話を夜通し練る</source>
      <comment>29 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>「遺憾」と「お詫び」の間で夜が明けた。</source>
      <comment>29 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>国会の質疑を前に、ナガレ薬研の役員会が
答弁の予行演習を始めた。</source>
      <comment>30 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．役員の答弁に研究班の見解をそろえる</source>
      <comment>30 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>会社は心強く思い、あなたも肩の荷が下りた。
だが本番の答弁が一字一句そろい、省は台本を探し始めた。</source>
      <comment>30 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．予行演習の想定問答を記者に流す</source>
      <comment>30 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>会社は犯人探しを始め、あなたへの信頼が揺らいだ。
厚生省も、文書の出所を内々に調べ始めた。</source>
      <comment>30 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．質問に立つ議員に根回しして回る</source>
      <comment>30 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>議員会館の廊下を十往復した。
露骨な根回しは、厚生省にも筒抜けだ。</source>
      <comment>30 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．本番の中継を見ながら対策資料を作る</source>
      <comment>30 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>中継の録画を三回見直した。
鵺田君は参考人として名を上げた。</source>
      <comment>30 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>人気漫画家が、作品の中で
薬害への抗議を始めた。</source>
      <comment>31 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．「漫画など相手にしない」と笑い飛ばす</source>
      <comment>31 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>気分は晴れた。
会社もあなたの強気を頼もしく思っている。</source>
      <comment>31 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．鵺田君より先に漫画家へ資料を渡す</source>
      <comment>31 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>告発の主役は漫画に移り、鵺田君の出番が消えた。
だが会社は資料の出所を嫌い、厚生省も警戒した。</source>
      <comment>31 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．出版社に広告を出して牽制する</source>
      <comment>31 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>広告費に10万円を払い、気を揉んだ。
騒ぎはかえって大きくなり、次の回には鵺田君が登場した。</source>
      <comment>31 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．「作中の悪役は鵺田君だ」と吹聴する</source>
      <comment>31 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>噂は広まり、鵺田君は失速した。
厚生省も矛先が逸れてひと息つき、あなたの溜飲も下がった。</source>
      <comment>31 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>年が明け、新しい大臣が就任した。
献金の相場は、なぜか下がっている。</source>
      <comment>32 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．30万円を献金する</source>
      <comment>32 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>30万円で済み、大臣の秘書は深々と頭を下げた。
安くなった理由は、聞かないでおいた。</source>
      <comment>32 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．新大臣の経歴を調べ上げる</source>
      <comment>32 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>経歴は立派で、弱みは見つからなかった。
嗅ぎ回ったことは、翌日には大臣の耳に入っていた。</source>
      <comment>32 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．会社からの研究費を献金に回す</source>
      <comment>32 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>自分の懐は痛まず、気楽なものだ。
会社はまだ気付いていない。
大臣は上機嫌で、研究班の予算まで増やしてくれた。</source>
      <comment>32 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．大臣の会合を梯子して顔を売る</source>
      <comment>32 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>会合を五つ梯子した。
大臣の顔は覚えたが、大臣はあなたを覚えていない。</source>
      <comment>32 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>新大臣が省内に調査チームを作り、
当時の資料を洗い直すという。</source>
      <comment>33 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．調査チームの外部委員に名乗り出る</source>
      <comment>33 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>調べる側に回ると、疑いは不思議と和らいだ。
最初の仕事は、自分の名前を探すことだった。</source>
      <comment>33 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．会社の関与を調査チームに報告する</source>
      <comment>33 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>会社はあなたを裏切り者と見なした。
年賀状の名簿から、あなたの名前が消えた。</source>
      <comment>33 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．調査チームの会食費を持つ</source>
      <comment>33 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>会食費に30万円。調査チームは満腹になり、
報告書の締め切りは一か月延びた。</source>
      <comment>33 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．自分に不利な資料を探し出す</source>
      <comment>33 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>隅々まで探したが、不利な書類は見当たらなかった。
先に誰かが探したらしい。省は、その誰かを探さなかった。</source>
      <comment>33 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>研究班の元班長が告発された。
次はあなたの番かもしれない。</source>
      <comment>34 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．元班長をかばう証言をする</source>
      <comment>34 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>会社は大いに感謝した。
厚生省も、かばい合いの輪が広がるのを歓迎している。</source>
      <comment>34 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．元班長と会社の癒着を証言する</source>
      <comment>34 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>会社の信頼を大きく失った。
自分が受け取った分だけは、言い忘れておいた。</source>
      <comment>34 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．元班長との関係を否定する</source>
      <comment>34 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>「面識もない」と言った翌日、集合写真が出回った。
あなたは元班長の隣で笑っていた。</source>
      <comment>34 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．高みの見物を決め込む</source>
      <comment>34 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>他人事だと思うと、体が軽くなった。
厚生省は、同じ研究班の名簿をめくっている。</source>
      <comment>34 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>「ない」とされていたファイルが
厚生省の書庫で見つかった。公表はまだだ。</source>
      <comment>35 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．ファイルの公表を厚生省に進言する</source>
      <comment>35 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>先手を打つ進言に、厚生省はあなたを味方と見た。
公表の会見では、大臣の隣にあなたの席が用意された。</source>
      <comment>35 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．会社の関与を調査チームに耳打ちする</source>
      <comment>35 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>厚生省は矛先が逸れて喜んだが、
会社の信頼を大きく失った。</source>
      <comment>35 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．ファイルの写しを手に入れようとする</source>
      <comment>35 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>写しを頼んだ相手は、調査チームの一員だった。
厚生省の疑いは跳ね上がり、話は鵺田君にも伝わった。</source>
      <comment>35 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．「なかった」ことにするよう省に頼む</source>
      <comment>35 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>厚生省は同じ結論にたどり着いて喜んだ。
ファイルは再び、なかったことになった。</source>
      <comment>35 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>大臣が国の法的責任を初めて認め、
原告に謝罪した。記者があなたを待っている。</source>
      <comment>36 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．記者の前で大臣にならい頭を下げる</source>
      <comment>36 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>カメラの前で頭を下げ続けた。
お辞儀の角度まで、記者に測られた。</source>
      <comment>36 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．謝罪広告の費用を負担する</source>
      <comment>36 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>謝罪広告の費用に30万円を出した。
出したのは、金だけだ。</source>
      <comment>36 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．「私は知らなかった」と言って回る</source>
      <comment>36 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>知らなかったと言うたび、気は楽になった。
厚生省は、知っていた頃の書類を持っている。</source>
      <comment>36 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．原告の前で深く頭を下げる</source>
      <comment>36 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>長い沈黙が続いた。
顔を上げる頃合いは、誰も教えてくれなかった。</source>
      <comment>36 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>厚生省がナガレ薬研への
立ち入り検査に踏み切った。</source>
      <comment>37 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．検査に全面協力する</source>
      <comment>37 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>会社は激怒し、あなたへの信頼は地に落ちた。
押収書類にはあなたの名前もあり、省はそこに付箋を貼った。</source>
      <comment>37 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．書類を徹夜でシュレッダーにかける</source>
      <comment>37 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>紙くずの山の中で朝を迎えた。
新しいシュレッダー代に10万円かかった。</source>
      <comment>37 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．鵺田君と会社の接点を検査官に囁く</source>
      <comment>37 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>検査官の関心は鵺田君に向き、彼は失速した。
囁いた話の半分は、本当だった。</source>
      <comment>37 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．検査の一部始終を門の外で見届ける</source>
      <comment>37 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>寒空の下、運び出される箱を夕方まで数えた。
百を超えたところで、数えるのをやめた。</source>
      <comment>37 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ナガレ薬研の社長が、明日の記者会見で
頭を下げることになった。</source>
      <comment>38 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．「遅すぎる」と社長を非難してみせる</source>
      <comment>38 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>厚生省はあなたの姿勢を喜んだが、
会社の信頼を大きく失った。</source>
      <comment>38 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．会社の補償金の一部を肩代わりする</source>
      <comment>38 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>50万円が飛んでいった。
会見では、会社の誠意として読み上げられる。</source>
      <comment>38 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．謝罪文の草稿に手を入れる</source>
      <comment>38 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>「責任」の二文字を消すと、文面は見違えるほど短くなった。
会社寄りの文面に、厚生省は不信を強めた。</source>
      <comment>38 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．会見の稽古に助言役として付き合う</source>
      <comment>38 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>医学の質問だけで、想定問答は百問に達した。
社長は「遺憾」だけは一度で覚えた。</source>
      <comment>38 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ナガレ薬研の社長が
責任を取って辞任した。</source>
      <comment>39 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．黙って成り行きを見守る</source>
      <comment>39 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>何も起こらず、何も変わらなかった。</source>
      <comment>39 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．後任人事に口を出す</source>
      <comment>39 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>後任は、前任によく似た人に決まった。</source>
      <comment>39 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．社長の退職金の上乗せを工作する</source>
      <comment>39 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>工作はばれかけ、厚生省の疑いが強まった。
鵺田君は退職金の額を、患者の補償額と並べて発表した。</source>
      <comment>39 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．「会社の問題」と距離を置く</source>
      <comment>39 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>「会社の問題」は便利な言葉だ。
厚生省も、翌日から同じ言葉を使い始めた。</source>
      <comment>39 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>ナガレ薬研に
捜査当局の家宅捜索が入った。</source>
      <comment>40 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．捜査に素直に協力する</source>
      <comment>40 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>事情聴取は夜十時まで続いた。
カツ丼は出なかった。</source>
      <comment>40 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．刑事事件に強い弁護士を雇う</source>
      <comment>40 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>着手金に20万円。
弁護士の第一声は「で、先生は何をなさったんです」だった。</source>
      <comment>40 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．隠し口座の金を引き出す</source>
      <comment>40 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>40万円を手元に移した。
口座の名義が飼い猫だったことは、まだ誰も知らない。</source>
      <comment>40 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．関係書類を自宅に避難させる</source>
      <comment>40 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>会社は感謝し、厚生省も関係書類が消えてほっとした。
自宅の押し入れは、もう満杯だ。</source>
      <comment>40 result 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>研究班の元班長が
事情聴取に応じた。</source>
      <comment>41 prompt</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>１．元班長に口止めを頼み込む</source>
      <comment>41 answer 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>頼み込んだ電話は、録音されていた。
鵺田君がそれを公表し、省はあなたとの面識を否定した。
心身ともに限界だ。</source>
      <comment>41 result 1</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>２．会社と供述の方針を詰める</source>
      <comment>41 answer 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>会社は感謝した。
「記憶にない」の言い方を十二通り覚えた。</source>
      <comment>41 result 2</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>３．すべての責任を元班長に押しつける</source>
      <comment>41 answer 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>責任はすべて元班長の机に積まれた。
「机ひとつに載る量か」と鵺田君が噛みつき、
厚生省も不審を抱いた。</source>
      <comment>41 result 3</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>４．海外の学会出張に出かける</source>
      <comment>41 answer 4</comment>
      <translation type="unfinished" />
    </message>
    <message>
      <source>出張費の名目で20万円を受け取り、悠々と出国した。
厚生省は逃亡を疑っている。</source>
      <comment>41 result 4</comment>
      <translation type="unfinished" />
    </message>
  </context>
</TS>
