<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<!-- A few of the game's texts translated, each kind once; every other text stays untranslated. -->
<TS version="2.1" language="en" sourcelanguage="ja">
  <context>
    <name>strings</name>
    <message>
      <source>ゲームを中断します、よろしいですか？</source>
      <comment>204</comment>
      <translation>Abandon the game?</translation>
    </message>
    <message>
      <source>POINT:%1
「わはははは！！」</source>
      <comment>411</comment>
      <translation>SCORE:%1
"Ha ha ha!"</translation>
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
  </context>
  <context>
    <name>template 134</name>
    <message>
      <source>EVENT</source>
      <comment>caption</comment>
      <translation>Event</translation>
    </message>
    <message>
      <source>決定</source>
      <comment>1 text</comment>
      <translation>Decide</translation>
    </message>
    <message>
      <source>選択肢</source>
      <comment>1026 label</comment>
      <translation>Answers</translation>
    </message>
    <message>
      <source>選択肢</source>
      <comment>#3 text</comment>
      <translation>Answers</translation>
    </message>
  </context>
  <context>
    <name>events</name>
    <message>
      <source>若い原告が実名を公表して
訴えを起こした。世論が動き出す。</source>
      <comment>22 prompt</comment>
      <translation>A young plaintiff has gone to court under her own name.
Public opinion begins to move.</translation>
    </message>
    <message>
      <source>１．原告の身辺を調べさせる</source>
      <comment>22 answer 1</comment>
      <translation>1. Have the plaintiff's private life looked into</translation>
    </message>
    <message>
      <source>卑劣な工作は漏れ、省の幹部会の議題に上った。
鵺田君は、あなたの依頼書の写しを手に会見を開いた。</source>
      <comment>22 result 1</comment>
      <translation>The dirty work leaked and reached the ministry's board.
Nueda held a press conference with a copy of your request in hand.</translation>
    </message>
  </context>
</TS>
