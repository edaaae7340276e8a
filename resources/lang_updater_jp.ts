<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="ko_KR">
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Rowsmith Updater</source>
        <translation>Rowsmith アップデーター</translation>
    </message>
    <message>
        <source>최신버전 확인 중...</source>
        <translation>最新バージョンを確認中...</translation>
    </message>
    <message>
        <source>종료</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>현재 버전 :</source>
        <translation>現行版 :</translation>
    </message>
    <message>
        <source>최신 버전 :</source>
        <translation>最新版 :</translation>
    </message>
    <message>
        <source>업데이트</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>취소</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>완료</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>You are using latest version of Rowsmith.</source>
        <translation>最新バージョンの Rowsmith をお使いです。</translation>
    </message>
    <message>
        <source>Failed to retrieve version information from the server.</source>
        <translation>サーバーからバージョン情報を取得できませんでした。</translation>
    </message>
    <message>
        <source>Start updating...</source>
        <translation>アップデートを開始します...</translation>
    </message>
    <message>
        <source>Invalid file name in version information: &apos;%1&apos;</source>
        <translation>バージョン情報のファイル名が正しくありません: 「%1」</translation>
    </message>
    <message>
        <source>Cannot create folder in temp folder</source>
        <translation>作業用のフォルダーを作成できません。</translation>
    </message>
    <message>
        <source>Downloading file &apos;%1&apos;...</source>
        <translation>ファイル「%1」をダウンロード中...</translation>
    </message>
    <message>
        <source>Failed to save downloaded file &apos;%1&apos;</source>
        <translation>ダウンロードしたファイル「%1」を保存できませんでした</translation>
    </message>
    <message>
        <source>Downloaded file &apos;%1&apos; is damaged.</source>
        <translation>ダウンロードしたファイル「%1」は破損しています。</translation>
    </message>
    <message>
        <source>Failed to create temporary file &apos;%1&apos;</source>
        <translation>一時ファイル「%1」を作成できませんでした</translation>
    </message>
    <message>
        <source>Copying file &apos;%1&apos;...</source>
        <translation>ファイル「%1」をコピー中...</translation>
    </message>
    <message>
        <source>Failed to copy downloaded file &apos;%1&apos;</source>
        <translation>ダウンロードしたファイル「%1」をコピーできませんでした</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>処理が終わりました。</translation>
    </message>
    <message>
        <source>Successfully updated.</source>
        <translation>アップデートが完了しました。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>You canceled update process.</source>
        <translation>アップデートをキャンセルしました。</translation>
    </message>
    <message>
        <source>The version information from the server could not be verified.</source>
        <translation>サーバーのバージョン情報が正しいものか確認できませんでした。</translation>
    </message>
    <message>
        <source>(The release notes are longer; the rest is not shown.)</source>
        <translation>(更新内容はまだ続きますが、以降は表示していません。)</translation>
    </message>
    <message>
        <source>The server stopped responding.</source>
        <translation>サーバーから応答がありません。</translation>
    </message>
    <message>
        <source>Failed to download file &apos;%1&apos;: %2</source>
        <translation>ファイル「%1」をダウンロードできませんでした: %2</translation>
    </message>
    <message>
        <source>Some files of the previous version could not be put back. Please install Rowsmith again.</source>
        <translation>以前のバージョンのファイルを一部元に戻せませんでした。Rowsmith をインストールし直してください。</translation>
    </message>
</context>
</TS>
